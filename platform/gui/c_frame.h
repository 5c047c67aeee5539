#pragma once

#include "c_view_container.h"

typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI
{

// What a window that shows a frame provides: the frame asks it to repaint an area.
class IPlatformFrame
{
public:
    virtual ~IPlatformFrame() = default;
    virtual void invalidRect(const CRect& rect) = 0;
};

// Anything that owns a frame (an editor).
class VSTGUIEditorInterface
{
public:
    virtual ~VSTGUIEditorInterface() = default;
    virtual CFrame* getFrame() const { return frame; }

protected:
    CFrame* frame{nullptr};
};

// The root view of an editor, at (0, 0) of its window.
class CFrame : public CViewContainer
{
public:
    CFrame(const CRect& size, VSTGUIEditorInterface* editor);
    ~CFrame() override;

    // `systemWindow` is the host's parent window (opaque here).
    bool open(void* systemWindow, UTF8StringPtr platformType = nullptr);
    // Removes every view and drops the creator's reference, which normally destroys the frame.
    void close();
    bool isOpen() const { return opened; }
    void* getSystemWindow() const { return systemWindow; }
    VSTGUIEditorInterface* getEditor() const { return editor; }

    void setPlatformFrame(IPlatformFrame* platform) { platformFrame = platform; }
    IPlatformFrame* getPlatformFrame() const { return platformFrame; }

    // Idle processing: asks the window to repaint when any view is dirty.
    virtual void idle();
    // Paints the whole frame (every view) into an image surface of at least the frame's size.
    void render(cairo_surface_t* surface);

    CLASS_METHODS_NOCOPY(CFrame, CViewContainer)

private:
    VSTGUIEditorInterface* editor;
    IPlatformFrame* platformFrame{nullptr};
    void* systemWindow{nullptr};
    bool opened{false};
};

} // namespace VSTGUI
