#pragma once

#include "c_base_object.h"
#include "c_point.h"
#include "c_rect.h"
#include "c_resource_description.h"

typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI
{

// A PNG image loaded by name from the bundle's resources. A bitmap whose file is
// missing or unreadable still exists: it has no image, a size of 0 and draws nothing.
class CBitmap : public CBaseObject
{
public:
    CBitmap(const CResourceDescription& desc);
    // Takes its own reference to `surface` (an image surface); null gives an empty bitmap.
    explicit CBitmap(cairo_surface_t* surface);
    ~CBitmap() override;
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    bool isLoaded() const { return surface != nullptr; }
    CCoord getWidth() const;
    CCoord getHeight() const;
    const CResourceDescription& getResourceDescription() const { return resourceDesc; }
    cairo_surface_t* getSurface() const { return surface; }

    // Draws the part of the image that starts at `offset` into `dest`, with the given opacity.
    virtual void draw(CDrawContext* context, const CRect& dest, const CPoint& offset = CPoint(0, 0),
                      float alpha = 1.f);

    CLASS_METHODS_NOCOPY(CBitmap, CBaseObject)

private:
    CResourceDescription resourceDesc;
    cairo_surface_t* surface{nullptr};
};

} // namespace VSTGUI
