// Text form of SVG elements; numbers keep two decimals, enough at 512 px.
#include "svg_element.hpp"

#include <cmath>
#include <cstdio>
#include <utility>

SvgElement::SvgElement(std::string tagName) : tag(std::move(tagName)) {}

SvgElement& SvgElement::attr(const std::string& name, const std::string& value)
{
    for (auto& attribute : attributes) {
        if (attribute.first == name) {
            attribute.second = value;
            return *this;
        }
    }
    attributes.emplace_back(name, value);
    return *this;
}

SvgElement& SvgElement::attr(const std::string& name, double value)
{
    return attr(name, number(value));
}

SvgElement& SvgElement::fill(const std::string& colour, double fillOpacity)
{
    attr("fill", colour);
    if (fillOpacity < 1.0) {
        attr("fill-opacity", fillOpacity);
    }
    return *this;
}

SvgElement& SvgElement::stroke(const std::string& colour, double width, double strokeOpacity)
{
    attr("stroke", colour);
    attr("stroke-width", width);
    attr("stroke-linecap", "round");
    attr("stroke-linejoin", "round");
    if (strokeOpacity < 1.0) {
        attr("stroke-opacity", strokeOpacity);
    }
    return *this;
}

SvgElement& SvgElement::opacity(double value)
{
    return attr("opacity", value);
}

SvgElement& SvgElement::transform(const std::string& value)
{
    return attr("transform", value);
}

SvgElement& SvgElement::child(const SvgElement& element)
{
    children += element.str();
    return *this;
}

SvgElement& SvgElement::child(const std::string& text)
{
    children += text;
    return *this;
}

std::string SvgElement::str() const
{
    std::string open = "<" + tag;
    for (const auto& [name, value] : attributes) {
        open += " " + name + "=\"" + value + "\"";
    }
    if (children.empty()) {
        return open + "/>\n";
    }
    return open + ">\n" + children + "</" + tag + ">\n";
}

std::string SvgElement::number(double value)
{
    // Avoid "-0.00" and keep the text short for whole numbers.
    const double rounded = std::round(value * 100.0) / 100.0;
    char text[32];
    if (rounded == std::floor(rounded)) {
        std::snprintf(text, sizeof text, "%.0f", rounded == 0.0 ? 0.0 : rounded);
    } else {
        std::snprintf(text, sizeof text, "%.2f", rounded);
    }
    return text;
}

SvgElement svgRect(double x, double y, double w, double h, double cornerRadius)
{
    SvgElement rect("rect");
    rect.attr("x", x).attr("y", y).attr("width", w).attr("height", h);
    if (cornerRadius > 0.0) {
        rect.attr("rx", cornerRadius);
    }
    return rect;
}

SvgElement svgCircle(double cx, double cy, double r)
{
    SvgElement circle("circle");
    circle.attr("cx", cx).attr("cy", cy).attr("r", r);
    return circle;
}

SvgElement svgEllipse(double cx, double cy, double rx, double ry)
{
    SvgElement ellipse("ellipse");
    ellipse.attr("cx", cx).attr("cy", cy).attr("rx", rx).attr("ry", ry);
    return ellipse;
}

SvgElement svgPath(const std::string& data)
{
    SvgElement path("path");
    path.attr("d", data);
    return path;
}

SvgElement svgGroup()
{
    return SvgElement("g");
}
