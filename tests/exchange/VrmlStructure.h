#pragma once

// Reads a VRML97 file into its nodes and fields, checking its structure as
// it goes: every node a known type with only that type's fields, braces and
// brackets balanced, and every value of a form VRML97 allows. Throws
// std::runtime_error naming the first fault.
#include <cctype>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarn::test {

struct VrmlNode;

// A field's value: plain words (numbers, TRUE/FALSE, strings without their
// quotes) or nodes.
struct VrmlValue {
    std::vector<std::string> words;
    std::vector<VrmlNode> nodes;
    std::vector<double> Numbers() const
    {
        std::vector<double> numbers;
        for (const auto& word : words)
            numbers.push_back(std::stod(word));
        return numbers;
    }
};

struct VrmlNode {
    std::string type;
    std::map<std::string, VrmlValue> fields;
    const VrmlValue& Field(const std::string& name) const
    {
        const auto found = fields.find(name);
        if (found == fields.end())
            throw std::runtime_error(type + " has no field " + name);
        return found->second;
    }
    const VrmlNode& Child(const std::string& name) const
    {
        const auto& value = Field(name);
        if (value.nodes.size() != 1)
            throw std::runtime_error(type + "." + name + " is not one node");
        return value.nodes.front();
    }
};

class VrmlReader {
public:
    explicit VrmlReader(const std::string& text) : text_(text)
    {
        const std::string header = "#VRML V2.0 utf8";
        if (text.compare(0, header.size(), header) != 0 || (text.size() > header.size() && text[header.size()] != '\n'))
            throw std::runtime_error("the first line is not \"" + header + "\"");
        Tokenise();
    }

    std::vector<VrmlNode> Nodes()
    {
        std::vector<VrmlNode> nodes;
        while (at_ < tokens_.size())
            nodes.push_back(Node());
        return nodes;
    }

private:
    static const std::map<std::string, std::set<std::string>>& KnownFields()
    {
        static const std::map<std::string, std::set<std::string>> known{
            {"Background", {"skyColor", "skyAngle", "groundColor", "groundAngle", "backUrl", "bottomUrl", "frontUrl",
                            "leftUrl", "rightUrl", "topUrl"}},
            {"Viewpoint", {"position", "orientation", "fieldOfView", "description", "jump"}},
            {"Shape", {"appearance", "geometry"}},
            {"Appearance", {"material", "texture", "textureTransform"}},
            {"Material", {"diffuseColor", "ambientIntensity", "emissiveColor", "shininess", "specularColor", "transparency"}},
            {"ImageTexture", {"url", "repeatS", "repeatT"}},
            {"IndexedFaceSet", {"coord", "texCoord", "coordIndex", "texCoordIndex", "normal", "normalIndex", "color",
                                "colorIndex", "creaseAngle", "solid", "ccw", "convex", "colorPerVertex",
                                "normalPerVertex"}},
            {"Coordinate", {"point"}},
            {"TextureCoordinate", {"point"}},
        };
        return known;
    }

    void Tokenise()
    {
        std::size_t i = 0;
        while (i < text_.size()) {
            const char c = text_[i];
            if (std::isspace(static_cast<unsigned char>(c)) || c == ',') {
                ++i;
            } else if (c == '#') {
                while (i < text_.size() && text_[i] != '\n')
                    ++i;
            } else if (c == '{' || c == '}' || c == '[' || c == ']') {
                tokens_.emplace_back(1, c);
                ++i;
            } else if (c == '"') {
                std::string value = "\"";
                for (++i; i < text_.size() && text_[i] != '"'; ++i) {
                    if (text_[i] == '\\')
                        ++i;
                    if (i < text_.size())
                        value += text_[i];
                }
                if (i >= text_.size())
                    throw std::runtime_error("a string is not closed");
                ++i;
                tokens_.push_back(value);
            } else {
                const std::size_t start = i;
                while (i < text_.size() && !std::isspace(static_cast<unsigned char>(text_[i])) &&
                       std::string(",{}[]#\"").find(text_[i]) == std::string::npos)
                    ++i;
                tokens_.push_back(text_.substr(start, i - start));
            }
        }
    }

    const std::string& Peek(std::size_t ahead = 0) const
    {
        static const std::string end;
        return at_ + ahead < tokens_.size() ? tokens_[at_ + ahead] : end;
    }
    std::string Take()
    {
        if (at_ >= tokens_.size())
            throw std::runtime_error("the file ends inside a node");
        return tokens_[at_++];
    }
    void Expect(const std::string& token)
    {
        if (Take() != token)
            throw std::runtime_error("expected " + token + " before token " + std::to_string(at_));
    }
    static bool IsNumber(const std::string& token)
    {
        if (token.empty())
            return false;
        std::size_t used = 0;
        try {
            (void)std::stod(token, &used);
        } catch (const std::exception&) {
            return false;
        }
        return used == token.size();
    }
    bool NodeAhead() const { return !Peek().empty() && std::isupper(static_cast<unsigned char>(Peek()[0])) && Peek(1) == "{"; }

    VrmlNode Node()
    {
        VrmlNode node{Take(), {}};
        if (!KnownFields().contains(node.type))
            throw std::runtime_error("unknown node " + node.type);
        Expect("{");
        while (Peek() != "}") {
            const std::string field = Take();
            if (!KnownFields().at(node.type).contains(field))
                throw std::runtime_error(node.type + " has no field called " + field);
            if (!node.fields.emplace(field, Value()).second)
                throw std::runtime_error(node.type + "." + field + " given twice");
        }
        Expect("}");
        return node;
    }

    VrmlValue Value()
    {
        VrmlValue value;
        if (Peek() == "[") {
            Take();
            while (Peek() != "]") {
                if (NodeAhead())
                    value.nodes.push_back(Node());
                else
                    value.words.push_back(Word());
            }
            Take();
        } else if (NodeAhead()) {
            value.nodes.push_back(Node());
        } else if (Peek() == "TRUE" || Peek() == "FALSE" || (!Peek().empty() && Peek()[0] == '"')) {
            value.words.push_back(Word());
        } else {
            while (IsNumber(Peek()))
                value.words.push_back(Take());
            if (value.words.empty())
                throw std::runtime_error("a field without a value before " + Peek());
        }
        return value;
    }

    std::string Word()
    {
        const std::string word = Take();
        if (!word.empty() && word[0] == '"')
            return word.substr(1);
        if (word != "TRUE" && word != "FALSE" && !IsNumber(word))
            throw std::runtime_error("not a value: " + word);
        return word;
    }

    std::string text_;
    std::vector<std::string> tokens_;
    std::size_t at_ = 0;
};

}  // namespace tarn::test
