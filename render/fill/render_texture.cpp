#include "render/fill/render_texture.h"

void SetTextureFromPicture(SRenderTexture& texture, const SPicture& picture) {
    texture.m_format = uint8_t(picture.Format());
    texture.m_width = int16_t(picture.Width());
    texture.m_height = int16_t(picture.Height());
    texture.m_data = picture.Texels();
    texture.m_palette = picture.Palette();
    texture.m_colours = nullptr;
}

void UseDecodedColours(SRenderTexture& texture, const SDecodedPicture& decoded) {
    const bool fits = decoded.Width() == texture.m_width && decoded.Height() == texture.m_height &&
                      decoded.Opaque().size() == size_t(texture.m_width) * size_t(texture.m_height);
    texture.m_colours = fits ? decoded.Opaque().data() : nullptr;
}
