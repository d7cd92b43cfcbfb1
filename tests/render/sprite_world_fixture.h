#pragma once
// The cell world with what the sprite and object builders read as well: item stacks, item piles,
// the markers, and pictures of any size with a foot offset.
#include <algorithm>
#include <vector>

#include "cell_world_fixture.h"

class SpriteWorldTest : public CellWorldTest {
protected:
    void SetUp() override {
        CellWorldTest::SetUp();
        itemStacks.assign(2, SItemStackRecord{});
        itemPiles.assign(2, SItemPileRecord{});
        view.m_markerA = addPicture(4, 4, 0, 0x07E0);
        view.m_markerB = addPicture(4, 4, 0, 0x001F);
        bindSprites();
    }

    void bindSprites() {
        bind();
        view.m_itemStacks = {itemStacks.data(), uint32_t(itemStacks.size())};
        view.m_itemPiles = {itemPiles.data(), uint32_t(itemPiles.size())};
    }

    // A solid w x h picture standing foot texels above its bottom edge, in a new slot.
    uint16_t addPicture(int w, int h, int foot, uint16_t colour) {
        auto entry = SolidPicture(w, h, colour);
        entry->record->bytes[1] = uint8_t(int8_t(foot));
        SReadError error;
        entry->Bind(entry->record->bytes, 0, error);
        pictures.push_back(std::move(entry));
        bindSprites();
        return uint16_t(pictures.size() - 1);
    }

    // The builders' polygons since the camera was set up, by index.
    const SRenderPolygon& polygon(int i) const { return render->m_frame.polygons[i]; }
    const SRenderSortKey& key(int i) const { return render->m_frame.sortKeys[i]; }
    const SRenderVertex& vertex(int polygonIndex, int v) const {
        return render->m_frame.vertices[polygon(polygonIndex).m_firstVertex + v];
    }
    const SRenderUv& uv(int polygonIndex, int v) const {
        return render->m_frame.uvs[polygon(polygonIndex).m_firstUv + v];
    }
    int count() const { return render->m_frame.polygonCount; }
    // The polygon's highest and lowest screen y.
    int32_t topOf(int i) const {
        int32_t top = vertex(i, 0).y;
        for (int v = 1; v < polygon(i).m_vertexCount; ++v) top = std::min(top, vertex(i, v).y);
        return top;
    }
    int32_t bottomOf(int i) const {
        int32_t bottom = vertex(i, 0).y;
        for (int v = 1; v < polygon(i).m_vertexCount; ++v) bottom = std::max(bottom, vertex(i, v).y);
        return bottom;
    }

    std::vector<SItemStackRecord> itemStacks;
    std::vector<SItemPileRecord> itemPiles;
};
