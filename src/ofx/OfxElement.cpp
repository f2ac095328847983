#include "ofx/OfxElement.h"

namespace ofx {

const OfxElement* OfxElement::Child(std::string_view childName) const {
    for (const OfxElement& child : children) {
        if (child.name == childName) return &child;
    }
    return nullptr;
}

const OfxElement* OfxElement::Find(std::string_view path) const {
    const OfxElement* element = this;
    while (element != nullptr && !path.empty()) {
        const std::size_t slash = path.find('/');
        element = element->Child(path.substr(0, slash));
        path = slash == std::string_view::npos ? std::string_view{} : path.substr(slash + 1);
    }
    return element;
}

const std::string& OfxElement::TextAt(std::string_view path) const {
    static const std::string kEmpty;
    const OfxElement* element = Find(path);
    return element != nullptr ? element->text : kEmpty;
}

}  // namespace ofx
