#pragma once
// A small VRML 97 reader for tests, independent of the library's own code: it reads a written
// world back into a tree (EXTERNPROTO declarations, nodes with their field values, routes) and
// raises std::runtime_error on text that does not parse.
#include <cctype>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vrml_reader {

struct Node;

// A field value: its tokens (numbers, TRUE/FALSE, strings with quotes resolved) or its nodes.
struct Value {
    std::vector<std::string> tokens;
    std::vector<std::shared_ptr<Node>> nodes;
    bool isList = false;  // written between brackets
    double Number(std::size_t i = 0) const { return std::stod(tokens.at(i)); }
};

struct Node {
    std::string type;
    std::string def;  // DEF name, or empty
    std::string use;  // for "USE name": the name, and type is empty
    std::vector<std::pair<std::string, Value>> fields;
    const Value* Find(std::string_view name) const {
        for (const auto& [n, v] : fields)
            if (n == name) return &v;
        return nullptr;
    }
    const Value& At(std::string_view name) const {
        if (auto* v = Find(name)) return *v;
        throw std::runtime_error("no field " + std::string(name) + " in " + type);
    }
};

struct Declaration {
    std::string kind, type, name, initial;  // initial: the default's tokens joined by spaces (PROTO only)
};

struct Proto {
    std::string name;
    std::vector<Declaration> declarations;
    std::vector<std::string> urls;
};

struct Route {
    std::string fromNode, eventOut, toNode, eventIn;
};

struct World {
    std::string header;
    std::vector<Proto> externProtos;
    std::vector<Proto> protos;  // PROTO interfaces (bodies are skipped)
    std::vector<std::shared_ptr<Node>> nodes;
    std::vector<Route> routes;
    std::map<std::string, std::shared_ptr<Node>> defs;
};

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    World Read() {
        World world;
        auto eol = text_.find('\n');
        world.header = std::string(text_.substr(0, eol));
        if (world.header.rfind("#VRML V2.0 utf8", 0) != 0) Fail("missing header");
        world_ = &world;
        for (std::string token = Next(); !token.empty(); token = Next()) {
            if (token == "EXTERNPROTO") {
                world.externProtos.push_back(ReadInterface(false));
                for (const auto& url : ReadStrings()) world.externProtos.back().urls.push_back(url);
            } else if (token == "PROTO") {
                world.protos.push_back(ReadInterface(true));
                Expect("{");
                SkipBlock("{", "}");
            } else if (token == "ROUTE") {
                Route r;
                SplitDotted(Next(), r.fromNode, r.eventOut);
                Expect("TO");
                SplitDotted(Next(), r.toNode, r.eventIn);
                world.routes.push_back(r);
            } else {
                world.nodes.push_back(ReadNode(token));
            }
        }
        return world;
    }

private:
    [[noreturn]] void Fail(const std::string& what) {
        throw std::runtime_error("VRML read error at offset " + std::to_string(pos_) + ": " + what);
    }
    static bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) || c == ','; }
    void Skip() {
        while (pos_ < text_.size()) {
            if (IsSpace(text_[pos_])) ++pos_;
            else if (text_[pos_] == '#') while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            else break;
        }
    }
    // Tokens: brackets and braces, quoted strings (kept with their quotes), words.
    std::string Next() {
        Skip();
        if (pos_ >= text_.size()) return {};
        std::size_t start = pos_;
        char c = text_[pos_];
        if (std::string_view("[]{}").find(c) != std::string_view::npos) {
            ++pos_;
        } else if (c == '"') {
            for (++pos_; pos_ < text_.size() && text_[pos_] != '"'; ++pos_)
                if (text_[pos_] == '\\') ++pos_;
            if (pos_ >= text_.size()) Fail("unterminated string");
            ++pos_;
        } else {
            while (pos_ < text_.size() && !IsSpace(text_[pos_]) &&
                   std::string_view("[]{}\"#").find(text_[pos_]) == std::string_view::npos)
                ++pos_;
        }
        return std::string(text_.substr(start, pos_ - start));
    }
    std::string Peek() {
        auto saved = pos_;
        auto t = Next();
        pos_ = saved;
        return t;
    }
    void Expect(std::string_view token) {
        auto t = Next();
        if (t != token) Fail("expected " + std::string(token) + ", found " + t);
    }
    static std::string Unquote(const std::string& token) {
        std::string out;
        for (std::size_t i = 1; i + 1 < token.size(); ++i) {
            if (token[i] == '\\') ++i;
            out.push_back(token[i]);
        }
        return out;
    }
    static bool IsValueToken(const std::string& t) {
        return !t.empty() && (t[0] == '"' || t[0] == '-' || t[0] == '+' || t[0] == '.' ||
                              std::isdigit(static_cast<unsigned char>(t[0])) || t == "TRUE" || t == "FALSE");
    }
    void SplitDotted(const std::string& t, std::string& node, std::string& event) {
        auto dot = t.find('.');
        if (dot == std::string::npos) Fail("bad route part " + t);
        node = t.substr(0, dot);
        event = t.substr(dot + 1);
    }
    std::vector<std::string> ReadStrings() {
        std::vector<std::string> out;
        bool list = Peek() == "[";
        if (list) Next();
        do {
            auto t = Next();
            if (list && t == "]") break;
            if (t.empty() || t[0] != '"') Fail("expected a string");
            out.push_back(Unquote(t));
        } while (list);
        return out;
    }
    void SkipBlock(std::string_view open, std::string_view close) {
        for (int depth = 1; depth > 0;) {
            auto t = Next();
            if (t.empty()) Fail("unbalanced block");
            if (t == open) ++depth;
            if (t == close) --depth;
        }
    }
    Proto ReadInterface(bool withDefaults) {
        Proto p;
        p.name = Next();
        Expect("[");
        for (std::string kind = Next(); kind != "]"; kind = Next()) {
            if (kind.empty()) Fail("unterminated interface of " + p.name);
            Declaration d{kind, Next(), Next(), {}};
            if (withDefaults && (kind == "field" || kind == "exposedField")) {
                Value v = ReadValue();
                for (const auto& t : v.tokens) d.initial += (d.initial.empty() ? "" : " ") + t;
                if (v.isList && v.tokens.empty() && v.nodes.empty()) d.initial = "[]";
            }
            p.declarations.push_back(d);
        }
        return p;
    }
    std::shared_ptr<Node> ReadNode(std::string token) {
        auto node = std::make_shared<Node>();
        if (token == "USE") {
            node->use = Next();
            if (!world_->defs.count(node->use)) Fail("USE of unknown name " + node->use);
            return node;
        }
        if (token == "DEF") {
            node->def = Next();
            token = Next();
        }
        node->type = token;
        if (token.empty() || !(std::isalpha(static_cast<unsigned char>(token[0])) || token[0] == '_'))
            Fail("expected a node type, found " + token);
        Expect("{");
        for (std::string name = Next(); name != "}"; name = Next()) {
            if (name.empty()) Fail("unterminated node " + node->type);
            node->fields.emplace_back(name, ReadValue());
        }
        if (!node->def.empty()) world_->defs[node->def] = node;
        return node;
    }
    Value ReadValue() {
        Value v;
        std::string t = Peek();
        if (t == "[") {
            Next();
            v.isList = true;
            for (t = Peek(); t != "]"; t = Peek()) {
                if (t.empty()) Fail("unterminated list");
                if (IsValueToken(t)) v.tokens.push_back(Token(Next()));
                else v.nodes.push_back(ReadNode(Next()));
            }
            Next();
        } else if (t == "NULL") {
            Next();
        } else if (IsValueToken(t)) {
            while (IsValueToken(Peek())) v.tokens.push_back(Token(Next()));
        } else {
            v.nodes.push_back(ReadNode(Next()));
        }
        return v;
    }
    static std::string Token(const std::string& t) { return t[0] == '"' ? Unquote(t) : t; }

    std::string_view text_;
    std::size_t pos_ = 0;
    World* world_ = nullptr;
};

// Reads a world; throws std::runtime_error when the text does not parse.
inline World Read(std::string_view text) { return Reader(text).Read(); }

}  // namespace vrml_reader
