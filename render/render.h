#pragma once
// The render context: the view it draws and the surface that the 2-D pixel loops and the 3-D view
// write through.
#include "render/raster_target.h"
#include "render/view_descriptor.h"

class SRender {
public:
    // Takes the surface from the view descriptor into the full target, with the steps of its
    // orientation. Called whenever the back buffer, its size or the orientation changes.
    void UpdateProjection();
    // Every 2-D loop marks the frame as drawn into, also when it draws nothing.
    void MarkDrawn() {
        if (m_view) m_view->m_flags |= SViewDescriptor::kFlagDrawn;
    }

    SViewDescriptor* m_view = nullptr;  // the play screen's; not owned
    SRasterTarget m_fullTarget;         // the whole surface
};
