// Builds one SVG element as text: a tag, its attributes and optional children.
#pragma once

#include <string>
#include <utility>
#include <vector>

class SvgElement {
public:
    explicit SvgElement(std::string tag);

    // Setting an attribute again replaces its value.
    SvgElement& attr(const std::string& name, const std::string& value);
    SvgElement& attr(const std::string& name, double value);
    SvgElement& fill(const std::string& colour, double opacity = 1.0);
    SvgElement& stroke(const std::string& colour, double width, double opacity = 1.0);
    SvgElement& opacity(double value);
    SvgElement& transform(const std::string& value);
    SvgElement& child(const SvgElement& element);
    SvgElement& child(const std::string& text);

    std::string str() const;

    static std::string number(double value);

private:
    std::string tag;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string children;
};

// The shapes every painter uses.
SvgElement svgRect(double x, double y, double w, double h, double cornerRadius = 0.0);
SvgElement svgCircle(double cx, double cy, double r);
SvgElement svgEllipse(double cx, double cy, double rx, double ry);
SvgElement svgPath(const std::string& data);
SvgElement svgGroup();
