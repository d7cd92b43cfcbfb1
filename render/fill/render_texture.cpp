#include "render/fill/render_texture.h"

void SetTextureFromPicture(SRenderTexture& texture, const SPicture& picture) {
    texture.m_format = uint8_t(picture.Format());
    texture.m_width = int16_t(picture.Width());
    texture.m_height = int16_t(picture.Height());
    texture.m_data = picture.Texels();
    texture.m_palette = picture.Palette();
}
