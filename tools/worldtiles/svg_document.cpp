// Writes the document; a wrapped element is defined once and used at the nine offsets around the view.
#include "svg_document.hpp"

SvgDocument::SvgDocument(int pixelW, int pixelH, double viewW, double viewH)
    : pixelWidth(pixelW), pixelHeight(pixelH), viewWidth(viewW), viewHeight(viewH)
{}

void SvgDocument::define(const SvgElement& element)
{
    definitions += element.str();
}

void SvgDocument::add(const SvgElement& element)
{
    if (!wrap) {
        art += element.str();
        return;
    }
    const std::string id = "wrapped" + std::to_string(wrappedCount++);
    definitions += "<g id=\"" + id + "\">\n" + element.str() + "</g>\n";
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            art += "<use xlink:href=\"#" + id + "\" x=\"" + SvgElement::number(dx * viewWidth) + "\" y=\"" +
                   SvgElement::number(dy * viewHeight) + "\"/>\n";
        }
    }
}

std::string SvgDocument::str() const
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    text += "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"";
    text += " width=\"" + std::to_string(pixelWidth) + "\" height=\"" + std::to_string(pixelHeight) + "\"";
    text += " viewBox=\"0 0 " + SvgElement::number(viewWidth) + " " + SvgElement::number(viewHeight) + "\"";
    text += " preserveAspectRatio=\"none\">\n";
    text += "<defs>\n" + definitions + "</defs>\n";
    text += art;
    text += "</svg>\n";
    return text;
}
