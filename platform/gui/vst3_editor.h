#pragma once

#include "i_controller.h"
#include "vst3_editor_delegate.h"
#include "vstgui_editor.h"

#include <map>
#include <string>

namespace VSTGUI
{

class ParameterChangeListener;

// The editor of an edit controller, built from a description file's template.
// Custom views and sub-controllers come from the controller's VST3EditorDelegate.
// Every control whose tag is not -1 and whose listener is the editor is bound to
// the parameter with that id: parameter changes move the control, control edits
// reach the controller as beginEdit/performEdit/setParamNormalized/endEdit. A
// control bound to a parameter with steps works in the parameter's plain range.
class VST3Editor : public Steinberg::Vst::VSTGUIEditor, public IController
{
public:
    VST3Editor(Steinberg::Vst::EditController* controller, UTF8StringPtr templateName,
               UTF8StringPtr xmlFile);
    ~VST3Editor() override;

    // Replaces the view by another template at the next timer tick.
    bool exchangeView(UTF8StringPtr templateName);

    UIDescription* getUIDescription() const { return description; }
    VST3EditorDelegate* getDelegate() const { return delegate; }
    const std::string& getTemplateName() const { return viewName; }
    Steinberg::Vst::EditController* getController() const { return controller; }
    // The size limits from the template's "minSize" and "maxSize".
    const CPoint& getMinSize() const { return minSize; }
    const CPoint& getMaxSize() const { return maxSize; }

    CMessageResult notify(CBaseObject* sender, IdStringPtr message) override;
    bool open(void* parent, Steinberg::FIDString platformType) override;
    void close() override;

    // IPlugView
    Steinberg::tresult PLUGIN_API onSize(Steinberg::ViewRect* newSize) override;
    Steinberg::tresult PLUGIN_API canResize() override;
    Steinberg::tresult PLUGIN_API checkSizeConstraint(Steinberg::ViewRect* rect) override;

    // IControlListener
    void valueChanged(CControl* pControl) override;
    void controlBeginEdit(CControl* pControl) override;
    void controlEndEdit(CControl* pControl) override;
    void controlTagWillChange(CControl* pControl) override;
    void controlTagDidChange(CControl* pControl) override;

    // IController
    CView* createView(const UIAttributes& attributes, const IUIDescription* description) override;
    CView* verifyView(CView* view, const UIAttributes& attributes,
                      const IUIDescription* description) override;
    IController* createSubController(UTF8StringPtr name,
                                     const IUIDescription* description) override;

    OBJ_METHODS(VST3Editor, VSTGUIEditor)

protected:
    void bindControl(CControl* control);
    void unbindControl(CControl* control);
    void unbindAll();
    ParameterChangeListener* listenerFor(CControl* control);
    bool buildFrame(void* parent, Steinberg::FIDString platformType);

    UIDescription* description{nullptr};
    VST3EditorDelegate* delegate{nullptr};
    std::string viewName;
    std::string pendingViewName;
    CPoint minSize;
    CPoint maxSize;
    std::map<Steinberg::Vst::ParamID, ParameterChangeListener*> paramChangeListeners;
};

} // namespace VSTGUI
