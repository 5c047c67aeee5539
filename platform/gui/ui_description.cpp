#include "ui_description.h"

#include "c_bitmap.h"
#include "c_font_desc.h"
#include "c_view_container.h"
#include "i_controller.h"
#include "view_factory.h"

#include <expat.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace VSTGUI
{
namespace
{

constexpr int kMaxNesting = 64;
// Template references can multiply a small file into an enormous tree (two
// references per level double it); one build stops making views past this.
constexpr int kMaxViewsPerBuild = 20000;

struct StandardColor
{
    const char* name;
    CColor color;
};
constexpr StandardColor kStandardColors[] = {
    {"~ BlackCColor", kBlackCColor},     {"~ WhiteCColor", kWhiteCColor},
    {"~ GreyCColor", kGreyCColor},       {"~ RedCColor", kRedCColor},
    {"~ GreenCColor", kGreenCColor},     {"~ BlueCColor", kBlueCColor},
    {"~ YellowCColor", kYellowCColor},   {"~ CyanCColor", kCyanCColor},
    {"~ MagentaCColor", kMagentaCColor}, {"~ TransparentCColor", kTransparentCColor},
};

struct StandardFont
{
    const char* name;
    CCoord size;
};
constexpr StandardFont kStandardFonts[] = {
    {"~ NormalFont", 12},         {"~ NormalFontSmall", 11}, {"~ NormalFontSmaller", 10},
    {"~ NormalFontVerySmall", 9}, {"~ NormalFontBig", 14},   {"~ NormalFontVeryBig", 18},
    {"~ SystemFont", 12},
};

// Expat callbacks build a plain element tree; the tables are read from it afterwards.
struct ParseState
{
    std::unique_ptr<UIDescription::Node> root;
    std::vector<UIDescription::Node*> stack;
};

void XMLCALL startElement(void* userData, const XML_Char* name, const XML_Char** atts)
{
    auto* state = static_cast<ParseState*>(userData);
    auto node = std::make_unique<UIDescription::Node>();
    node->name = name;
    for (int i = 0; atts[i] && atts[i + 1]; i += 2)
        node->attributes.setAttribute(atts[i], atts[i + 1]);
    UIDescription::Node* raw = node.get();
    if (state->stack.empty())
        state->root = std::move(node);
    else
        state->stack.back()->children.push_back(std::move(node));
    state->stack.push_back(raw);
}

void XMLCALL endElement(void* userData, const XML_Char* name)
{
    (void)name;
    auto* state = static_cast<ParseState*>(userData);
    if (!state->stack.empty())
        state->stack.pop_back();
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

UIDescription::UIDescription(const CResourceDescription& file)
    : xmlFile(file), filePath(resolveResourcePath(file.getName()))
{
    for (const auto& f : kStandardFonts)
        fonts[f.name] = new CFontDesc("Sans", f.size);
}

UIDescription::~UIDescription()
{
    clear();
    for (auto& [name, font] : fonts)
        font->forget();
}

void UIDescription::clear()
{
    parsed = false;
    root.reset();
    colors.clear();
    tags.clear();
    bitmapPaths.clear();
    for (auto& [name, bitmap] : bitmaps)
        bitmap->forget();
    bitmaps.clear();
    for (auto it = fonts.begin(); it != fonts.end();)
    {
        if (it->first.rfind("~ ", 0) == 0)
        {
            ++it;
            continue;
        }
        it->second->forget();
        it = fonts.erase(it);
    }
}

bool UIDescription::parse()
{
    std::ifstream in(filePath, std::ios::binary);
    if (!in)
    {
        clear();
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parseText(text.str());
}

bool UIDescription::parseText(const std::string& xml)
{
    clear();
    ParseState state;
    XML_Parser parser = XML_ParserCreate(nullptr);
    if (!parser)
        return false;
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(parser, startElement, endElement);
    bool ok =
        XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    if (!ok || !state.root || state.root->name != "vstgui-ui-description" ||
        !buildTables(*state.root))
    {
        clear();
        return false;
    }
    root = std::move(state.root);
    parsed = true;
    return true;
}

bool UIDescription::buildTables(const Node& description)
{
    for (const auto& section : description.children)
    {
        for (const auto& entry : section->children)
        {
            const UIAttributes& a = entry->attributes;
            const std::string* name = a.getAttributeValue("name");
            if (!name)
                continue;
            if (section->name == "colors" && entry->name == "color")
            {
                CColor c;
                const std::string* rgba = a.getAttributeValue("rgba");
                const std::string* rgb = a.getAttributeValue("rgb");
                if ((rgba && parseColor(*rgba, c)) || (rgb && parseColor(*rgb, c)))
                    colors[*name] = c;
            }
            else if (section->name == "control-tags" && entry->name == "control-tag")
            {
                int32_t tag = 0;
                if (a.getIntegerAttribute("tag", tag))
                    tags[*name] = tag;
            }
            else if (section->name == "bitmaps" && entry->name == "bitmap")
            {
                const std::string* path = a.getAttributeValue("path");
                bitmapPaths[*name] = path ? *path : *name;
            }
            else if (section->name == "fonts" && entry->name == "font")
            {
                const std::string* family = a.getAttributeValue("font-name");
                double size = 12;
                a.getDoubleAttribute("size", size);
                bool bold = false;
                bool italic = false;
                a.getBooleanAttribute("bold", bold);
                a.getBooleanAttribute("italic", italic);
                int32_t style = (bold ? kBoldFace : 0) | (italic ? kItalicFace : 0);
                auto* font =
                    new CFontDesc(family ? family->c_str() : "Sans", size > 0 ? size : 12, style);
                auto [it, inserted] = fonts.emplace(*name, font);
                if (!inserted)
                {
                    it->second->forget();
                    it->second = font;
                }
            }
        }
    }
    return true;
}

bool UIDescription::parseColor(const std::string& text, CColor& color)
{
    if ((text.size() != 7 && text.size() != 9) || text[0] != '#')
        return false;
    uint8_t channel[4] = {0, 0, 0, 255};
    for (size_t i = 0; i < (text.size() - 1) / 2; ++i)
    {
        int hi = hexValue(text[1 + 2 * i]);
        int lo = hexValue(text[2 + 2 * i]);
        if (hi < 0 || lo < 0)
            return false;
        channel[i] = static_cast<uint8_t>(hi * 16 + lo);
    }
    color = CColor(channel[0], channel[1], channel[2], channel[3]);
    return true;
}

bool UIDescription::getColor(UTF8StringPtr name, CColor& color) const
{
    if (!name)
        return false;
    std::string key(name);
    if (!key.empty() && key[0] == '#')
        return parseColor(key, color);
    for (const auto& c : kStandardColors)
    {
        if (key == c.name)
        {
            color = c.color;
            return true;
        }
    }
    auto it = colors.find(key);
    if (it == colors.end())
        return false;
    color = it->second;
    return true;
}

CBitmap* UIDescription::getBitmap(UTF8StringPtr name) const
{
    if (!name)
        return nullptr;
    auto cached = bitmaps.find(name);
    if (cached != bitmaps.end())
        return cached->second;
    auto path = bitmapPaths.find(name);
    if (path == bitmapPaths.end())
        return nullptr;
    auto* bitmap = new CBitmap(CResourceDescription(path->second));
    bitmaps[name] = bitmap;
    return bitmap;
}

CFontDesc* UIDescription::getFont(UTF8StringPtr name) const
{
    if (!name)
        return nullptr;
    auto it = fonts.find(name);
    return it == fonts.end() ? nullptr : it->second;
}

int32_t UIDescription::getTagForName(UTF8StringPtr name) const
{
    if (!name)
        return -1;
    auto it = tags.find(name);
    if (it != tags.end())
        return it->second;
    int32_t tag = -1;
    if (parseInteger(name, tag))
        return tag;
    return -1;
}

IController* UIDescription::getController() const
{
    return controllerStack.empty() ? nullptr : controllerStack.back();
}

IControlListener* UIDescription::getControlListener(UTF8StringPtr name) const
{
    IController* controller = getController();
    return controller ? controller->getControlListener(name) : nullptr;
}

const UIDescription::Node* UIDescription::findTemplate(const std::string& name) const
{
    if (!root)
        return nullptr;
    for (const auto& node : root->children)
    {
        if (node->name != "template")
            continue;
        const std::string* n = node->attributes.getAttributeValue("name");
        if (n && *n == name)
            return node.get();
    }
    return nullptr;
}

const UIAttributes* UIDescription::getViewAttributes(UTF8StringPtr templateName) const
{
    const Node* node = templateName ? findTemplate(templateName) : nullptr;
    return node ? &node->attributes : nullptr;
}

std::vector<std::string> UIDescription::getTemplateNames() const
{
    std::vector<std::string> names;
    if (!root)
        return names;
    for (const auto& node : root->children)
    {
        const std::string* n = node->attributes.getAttributeValue("name");
        if (node->name == "template" && n)
            names.push_back(*n);
    }
    return names;
}

CView* UIDescription::createView(UTF8StringPtr templateName, IController* controller)
{
    const Node* node = templateName ? findTemplate(templateName) : nullptr;
    if (!node)
        return nullptr;
    controllerStack.push_back(controller);
    viewsLeft = kMaxViewsPerBuild;
    expandingTemplates.assign(1, node);
    CView* view = buildView(*node, controller, 0);
    expandingTemplates.clear();
    controllerStack.pop_back();
    return view;
}

CView* UIDescription::buildView(const Node& node, IController* controller, int depth)
{
    if (depth > kMaxNesting || viewsLeft <= 0)
        return nullptr;
    --viewsLeft;
    const UIAttributes& attributes = node.attributes;

    // A view that names a template is a copy of that template's tree, placed at its own origin.
    const std::string* templateRef = attributes.getAttributeValue("template");
    if (node.name == "view" && templateRef)
    {
        const Node* referenced = findTemplate(*templateRef);
        // A template cannot contain itself, directly or through others.
        if (!referenced || std::find(expandingTemplates.begin(), expandingTemplates.end(),
                                     referenced) != expandingTemplates.end())
            return nullptr;
        expandingTemplates.push_back(referenced);
        CView* view = buildView(*referenced, controller, depth + 1);
        expandingTemplates.pop_back();
        if (view)
            view->setViewSize(ViewFactory::placedRect(view->getViewSize(), attributes));
        return view;
    }

    CView* view = nullptr;
    const std::string* className = attributes.getAttributeValue("class");
    if (attributes.hasAttribute("custom-view-name") && controller)
    {
        view = controller->createView(attributes, this);
    }
    if (!view)
    {
        std::string cls =
            className ? *className : (node.name == "template" ? "CViewContainer" : "");
        view = ViewFactory::createView(cls, attributes, this);
        if (!view)
            return nullptr;
        ViewFactory::applyAttributes(view, attributes, this, true);
    }
    else if (className)
    {
        // A custom view keeps the rectangle its creator gave it.
        ViewFactory::applyAttributes(view, attributes, this, false);
    }

    if (auto* container = dynamic_cast<CViewContainer*>(view))
    {
        IController* childController = controller;
        const std::string* subName = attributes.getAttributeValue("sub-controller");
        if (subName && controller)
        {
            if (IController* sub = controller->createSubController(subName->c_str(), this))
            {
                container->setController(sub);
                childController = sub;
            }
        }
        controllerStack.push_back(childController);
        for (const auto& child : node.children)
        {
            if (child->name != "view")
                continue;
            if (CView* childView = buildView(*child, childController, depth + 1))
                container->addView(childView);
        }
        controllerStack.pop_back();
    }

    if (controller)
    {
        CView* verified = controller->verifyView(view, attributes, this);
        if (verified != view)
        {
            view->forget();
            view = verified;
        }
    }
    return view;
}

} // namespace VSTGUI
