#pragma once

#include <cstdint>

// Basic types shared by every part of the GUI toolkit.
namespace VSTGUI
{

using CCoord = double;
using UTF8StringPtr = const char*;
using IdStringPtr = const char*;

class CBaseObject;
class CBitmap;
class CButtonState;
class CControl;
class CDrawContext;
class CFontDesc;
class CFrame;
class COptionMenu;
class CView;
class CViewContainer;
class IControlListener;
class IController;
class IUIDescription;
class UIAttributes;
class UIDescription;
class VST3Editor;

} // namespace VSTGUI
