#include "ui/widgets/interior_animation.h"

#include "data/world/interior.h"
#include "engine/packages/resource_cache.h"

std::vector<SAnimFrame> InteriorAnimation(const SInterior& interior, const SResourceCache& cache) {
    std::vector<SAnimFrame> frames;
    for (int i = 0; i < interior.LayerCount(); ++i) {
        const SInteriorLayer& layer = *interior.Layer(i);
        SPictureEntry* picture = cache.FindPicture(layer.picture.Text());
        frames.push_back({picture && picture->data ? picture : nullptr, layer.x, layer.y, layer.value});
    }
    return frames;
}
