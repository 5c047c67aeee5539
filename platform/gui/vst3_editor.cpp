#include "vst3_editor.h"

#include "c_control.h"
#include "c_frame.h"
#include "c_text_edit.h"
#include "c_vstgui_timer.h"
#include "ui_description.h"
#include "update_handler.h"

#include "pluginterfaces/base/ustring.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace VSTGUI
{

using Steinberg::Vst::EditController;
using Steinberg::Vst::Parameter;
using Steinberg::Vst::ParamID;
using Steinberg::Vst::ParamValue;

// Binds the controls that share a tag to the parameter with that id. It is a
// dependent of the parameter, so each change of the parameter moves the controls.
class ParameterChangeListener : public Steinberg::FObject
{
public:
    ParameterChangeListener(EditController* editController, Parameter* parameter, bool isPrivate)
        : editController(editController), parameter(parameter), isPrivate(isPrivate)
    {
        parameter->addRef();
        parameter->addDependent(this);
    }
    ~ParameterChangeListener() override
    {
        parameter->removeDependent(this);
        parameter->release();
    }

    ParamID getID() const { return parameter->getInfo().id; }
    bool isEmpty() const { return controls.empty(); }
    bool hasControl(CControl* c) const
    {
        return std::find(controls.begin(), controls.end(), c) != controls.end();
    }

    void addControl(CControl* control)
    {
        if (hasControl(control))
            return;
        controls.push_back(control);
        installConversions(control);
        updateControl(control);
    }
    void removeControl(CControl* control)
    {
        controls.erase(std::remove(controls.begin(), controls.end(), control), controls.end());
    }

    void PLUGIN_API update(Steinberg::FUnknown* changedUnknown, Steinberg::int32 message) override
    {
        (void)changedUnknown;
        if (message != kChanged)
            return;
        // A control may be unbound while its neighbours are updated.
        std::vector<CControl*> current(controls);
        for (CControl* c : current)
        {
            if (hasControl(c))
                updateControl(c);
        }
    }

    void beginEdit()
    {
        if (!isPrivate)
            editController->beginEdit(getID());
    }
    void endEdit()
    {
        if (!isPrivate)
            editController->endEdit(getID());
    }
    void performEdit(CControl* control)
    {
        ParamValue normalized = normalizedOf(control, control->getValue());
        if (!isPrivate)
            editController->performEdit(getID(), normalized);
        editController->setParamNormalized(getID(), normalized);
    }

    OBJ_METHODS(ParameterChangeListener, FObject)

private:
    bool hasSteps() const { return parameter->getInfo().stepCount > 0; }

    // A parameter with steps is shown in its plain range, a continuous one in the
    // control's own range.
    ParamValue normalizedOf(CControl* control, float value) const
    {
        if (hasSteps())
            return parameter->toNormalized(value);
        float range = control->getRange();
        if (range == 0.f)
            return 0.;
        return std::clamp(static_cast<ParamValue>((value - control->getMin()) / range), 0., 1.);
    }

    void updateControl(CControl* control)
    {
        ParamValue normalized = parameter->getNormalized();
        if (hasSteps())
        {
            control->setMin(static_cast<float>(parameter->toPlain(0.)));
            control->setMax(static_cast<float>(parameter->toPlain(1.)));
            control->setValue(static_cast<float>(parameter->toPlain(normalized)));
        }
        else
        {
            control->setValueNormalized(static_cast<float>(normalized));
        }
        control->invalid();
    }

    void installConversions(CControl* control)
    {
        auto* display = dynamic_cast<CParamDisplay*>(control);
        if (!display)
            return;
        EditController* ec = editController;
        display->setValueToStringFunction(
            [this, ec](float value, std::string& result, CParamDisplay* d)
            {
                Steinberg::Vst::String128 text{};
                if (ec->getParamStringByValue(getID(), normalizedOf(d, value), text) !=
                    Steinberg::kResultTrue)
                    return false;
                char utf8[256] = {};
                Steinberg::UString(text, 128).toAscii(utf8, sizeof(utf8));
                result = utf8;
                return true;
            });
        if (auto* edit = dynamic_cast<CTextEdit*>(control))
        {
            edit->setStringToValueFunction(
                [this, ec](const std::string& text, float& result, CTextEdit* e)
                {
                    Steinberg::Vst::String128 wide{};
                    Steinberg::UString(wide, 128).fromAscii(text.c_str());
                    ParamValue normalized = 0.;
                    if (ec->getParamValueByString(getID(), wide, normalized) !=
                        Steinberg::kResultTrue)
                        return false;
                    if (hasSteps())
                        result = static_cast<float>(parameter->toPlain(normalized));
                    else
                        result = static_cast<float>(e->getMin() + normalized * e->getRange());
                    return true;
                });
        }
    }

    EditController* editController;
    Parameter* parameter;
    bool isPrivate;
    std::vector<CControl*> controls;
};

namespace
{
// "width, height" as two decimal integers; (0, 0) when absent or unreadable.
CPoint sizeAttribute(const UIAttributes* attributes, const char* name)
{
    CPoint p;
    if (!attributes || !attributes->getPointAttribute(name, p))
        return CPoint();
    return CPoint(std::trunc(p.x), std::trunc(p.y));
}
} // namespace

VST3Editor::VST3Editor(EditController* controller, UTF8StringPtr templateName,
                       UTF8StringPtr xmlFile)
    : VSTGUIEditor(controller), viewName(templateName ? templateName : "")
{
    ensureUpdateHandler();
    delegate = dynamic_cast<VST3EditorDelegate*>(controller);
    description = new UIDescription(CResourceDescription(xmlFile ? xmlFile : ""));
    description->parse();
    const UIAttributes* attributes = description->getViewAttributes(viewName.c_str());
    CPoint size = sizeAttribute(attributes, "size");
    minSize = sizeAttribute(attributes, "minSize");
    maxSize = sizeAttribute(attributes, "maxSize");
    rect = Steinberg::ViewRect(0, 0, static_cast<Steinberg::int32>(size.x),
                               static_cast<Steinberg::int32>(size.y));
}

VST3Editor::~VST3Editor()
{
    if (frame)
        close();
    description->forget();
}

bool VST3Editor::exchangeView(UTF8StringPtr templateName)
{
    if (!templateName || !description->getViewAttributes(templateName))
        return false;
    pendingViewName = templateName;
    return true;
}

bool VST3Editor::open(void* parent, Steinberg::FIDString platformType)
{
    if (frame)
        return false;
    return buildFrame(parent, platformType);
}

bool VST3Editor::buildFrame(void* parent, Steinberg::FIDString platformType)
{
    frame = new CFrame(CRect(0, 0, rect.getWidth(), rect.getHeight()), this);
    if (CView* view = description->createView(viewName.c_str(), this))
    {
        // The template's root sits at the frame's origin whatever its own origin says.
        CRect r = view->getViewSize();
        r.moveTo(CPoint(0, 0));
        view->setViewSize(r, false);
        frame->addView(view);
    }
    frame->open(parent, platformType);
    if (delegate)
        delegate->didOpen(this);
    return true;
}

void VST3Editor::close()
{
    if (!frame)
        return;
    if (delegate)
        delegate->willClose(this);
    unbindAll();
    CFrame* closing = frame;
    frame = nullptr;
    closing->close();
}

CMessageResult VST3Editor::notify(CBaseObject* sender, IdStringPtr message)
{
    if (message == CVSTGUITimer::kMsgTimer)
    {
        if (!pendingViewName.empty() && frame)
        {
            viewName = pendingViewName;
            pendingViewName.clear();
            void* parent = frame->getSystemWindow();
            close();
            buildFrame(parent, Steinberg::kPlatformTypeX11EmbedWindowID);
        }
        triggerDeferredUpdates();
    }
    return VSTGUIEditor::notify(sender, message);
}

Steinberg::tresult PLUGIN_API VST3Editor::onSize(Steinberg::ViewRect* newSize)
{
    if (!newSize)
        return Steinberg::kInvalidArgument;
    if (frame)
        frame->setViewSize(CRect(0, 0, newSize->getWidth(), newSize->getHeight()));
    return VSTGUIEditor::onSize(newSize);
}

Steinberg::tresult PLUGIN_API VST3Editor::canResize()
{
    bool fixed = minSize == maxSize;
    return fixed ? Steinberg::kResultFalse : Steinberg::kResultTrue;
}

Steinberg::tresult PLUGIN_API VST3Editor::checkSizeConstraint(Steinberg::ViewRect* r)
{
    if (!r)
        return Steinberg::kInvalidArgument;
    auto clampSide = [](Steinberg::int32 v, CCoord lo, CCoord hi)
    {
        if (hi >= lo && hi > 0)
            v = std::min(v, static_cast<Steinberg::int32>(hi));
        return std::max(v, static_cast<Steinberg::int32>(lo));
    };
    r->right = r->left + clampSide(r->getWidth(), minSize.x, maxSize.x);
    r->bottom = r->top + clampSide(r->getHeight(), minSize.y, maxSize.y);
    return Steinberg::kResultTrue;
}

ParameterChangeListener* VST3Editor::listenerFor(CControl* control)
{
    if (!control || control->getTag() < 0)
        return nullptr;
    auto it = paramChangeListeners.find(static_cast<ParamID>(control->getTag()));
    if (it != paramChangeListeners.end() && it->second->hasControl(control))
        return it->second;
    // A control that reports to the editor without having been bound (one a
    // sub-controller kept to itself) is bound on first use.
    if (control->getListener() == this)
    {
        bindControl(control);
        it = paramChangeListeners.find(static_cast<ParamID>(control->getTag()));
        if (it != paramChangeListeners.end())
            return it->second;
    }
    return nullptr;
}

void VST3Editor::bindControl(CControl* control)
{
    if (!control || control->getTag() == -1 || control->getListener() != this || !controller)
        return;
    auto id = static_cast<ParamID>(control->getTag());
    auto it = paramChangeListeners.find(id);
    if (it == paramChangeListeners.end())
    {
        Parameter* parameter = controller->getParameterObject(id);
        if (!parameter)
            return;
        bool isPrivate = delegate && delegate->isPrivateParameter(id);
        it = paramChangeListeners
                 .emplace(id, new ParameterChangeListener(controller, parameter, isPrivate))
                 .first;
    }
    it->second->addControl(control);
}

void VST3Editor::unbindControl(CControl* control)
{
    for (auto it = paramChangeListeners.begin(); it != paramChangeListeners.end();)
    {
        it->second->removeControl(control);
        if (it->second->isEmpty())
        {
            it->second->release();
            it = paramChangeListeners.erase(it);
        }
        else
        {
            ++it;
        }
    }
}

void VST3Editor::unbindAll()
{
    for (auto& [id, listener] : paramChangeListeners)
        listener->release();
    paramChangeListeners.clear();
}

void VST3Editor::valueChanged(CControl* pControl)
{
    ParameterChangeListener* listener = listenerFor(pControl);
    if (!listener)
        return;
    // An edit outside a begin/end pair (typed text, say) is framed here.
    bool framed = !pControl->isEditing();
    if (framed)
        listener->beginEdit();
    listener->performEdit(pControl);
    if (framed)
        listener->endEdit();
}

void VST3Editor::controlBeginEdit(CControl* pControl)
{
    if (ParameterChangeListener* listener = listenerFor(pControl))
        listener->beginEdit();
}

void VST3Editor::controlEndEdit(CControl* pControl)
{
    if (ParameterChangeListener* listener = listenerFor(pControl))
        listener->endEdit();
}

void VST3Editor::controlTagWillChange(CControl* pControl)
{
    unbindControl(pControl);
}

void VST3Editor::controlTagDidChange(CControl* pControl)
{
    bindControl(pControl);
}

CView* VST3Editor::createView(const UIAttributes& attributes, const IUIDescription* desc)
{
    const std::string* name = attributes.getAttributeValue("custom-view-name");
    if (!name || !delegate)
        return nullptr;
    return delegate->createCustomView(name->c_str(), attributes, desc, this);
}

CView* VST3Editor::verifyView(CView* view, const UIAttributes& attributes,
                              const IUIDescription* desc)
{
    (void)attributes;
    (void)desc;
    if (auto* control = dynamic_cast<CControl*>(view))
        bindControl(control);
    return view;
}

IController* VST3Editor::createSubController(UTF8StringPtr name, const IUIDescription* desc)
{
    if (!delegate)
        return nullptr;
    return delegate->createSubController(name, desc, this);
}

} // namespace VSTGUI
