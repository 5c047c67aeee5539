#pragma once

#include "c_base_object.h"
#include "c_resource_description.h"
#include "i_ui_description.h"
#include "ui_attributes.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace VSTGUI
{

// The editor description: an XML file (read with Expat) of bitmaps, fonts, colours,
// control tags and templates of views. A file that is missing or not well-formed
// leaves the description empty: no template, no size, no views. Unknown elements,
// classes and attributes are skipped.
class UIDescription : public CBaseObject, public IUIDescription
{
public:
    explicit UIDescription(const CResourceDescription& xmlFile);
    ~UIDescription() override;

    // Reads the file; false (and an empty description) when it can't be read or parsed.
    bool parse();
    // Reads XML text instead of the file.
    bool parseText(const std::string& xml);
    bool isParsed() const { return parsed; }
    const std::string& getFilePath() const { return filePath; }

    // Builds the named template's view tree with `controller` in charge, or null when
    // there is no such template. The caller gets the root's one reference.
    CView* createView(UTF8StringPtr templateName, IController* controller);
    // The template's own attributes ("size", "minSize", "maxSize", ...), or null.
    const UIAttributes* getViewAttributes(UTF8StringPtr templateName) const;
    std::vector<std::string> getTemplateNames() const;

    // IUIDescription
    IControlListener* getControlListener(UTF8StringPtr name) const override;
    bool getColor(UTF8StringPtr name, CColor& color) const override;
    CBitmap* getBitmap(UTF8StringPtr name) const override;
    CFontDesc* getFont(UTF8StringPtr name) const override;
    int32_t getTagForName(UTF8StringPtr name) const override;
    IController* getController() const override;

    // Reads "#rrggbbaa" or "#rrggbb".
    static bool parseColor(const std::string& text, CColor& color);

    CLASS_METHODS_NOCOPY(UIDescription, CBaseObject)

    struct Node
    {
        std::string name;
        UIAttributes attributes;
        std::vector<std::unique_ptr<Node>> children;
    };

private:
    void clear();
    bool buildTables(const Node& root);
    CView* buildView(const Node& node, IController* controller, int depth);
    const Node* findTemplate(const std::string& name) const;

    CResourceDescription xmlFile;
    std::string filePath;
    bool parsed{false};
    std::unique_ptr<Node> root;
    std::map<std::string, CColor> colors;
    std::map<std::string, int32_t> tags;
    std::map<std::string, std::string> bitmapPaths;
    mutable std::map<std::string, CBitmap*> bitmaps;
    std::map<std::string, CFontDesc*> fonts;
    mutable std::vector<IController*> controllerStack;
    // While a build runs: the templates being expanded, and how many more
    // views it may make.
    std::vector<const Node*> expandingTemplates;
    int viewsLeft{0};
};

} // namespace VSTGUI
