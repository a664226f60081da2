#include "config/xml_document.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>

namespace {

struct Decoded {
    std::string utf8;
    std::string problem;
};

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// The encoding the declaration at the start names, or an empty text when it names none.
std::string DeclaredEncoding(std::string_view text)
{
    if (!StartsWith(text, "<?xml"))
        return {};
    const size_t end = text.find("?>");
    const std::string_view declaration = text.substr(0, end);
    size_t at = declaration.find("encoding");
    if (at == std::string_view::npos)
        return {};
    at = declaration.find_first_not_of(" \t\r\n", at + 8);
    if (at == std::string_view::npos || declaration[at] != '=')
        return {};
    at = declaration.find_first_not_of(" \t\r\n", at + 1);
    if (at == std::string_view::npos || (declaration[at] != '"' && declaration[at] != '\''))
        return {};
    const size_t close = declaration.find(declaration[at], at + 1);
    if (close == std::string_view::npos)
        return {};
    return std::string(declaration.substr(at + 1, close - at - 1));
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The document as UTF-8: by its byte order mark, by the arrangement of the zero bytes of
// "<?" in UTF-16 or UTF-32 without one, else by the encoding its declaration names (UTF-8
// when it names none).
Decoded Decode(std::string_view bytes)
{
    const auto has = [&bytes](std::initializer_list<unsigned char> start) {
        return bytes.size() >= start.size() &&
               std::equal(start.begin(), start.end(), bytes.begin(),
                          [](unsigned char a, char b) { return a == static_cast<unsigned char>(b); });
    };
    QStringConverter::Encoding fixed = QStringConverter::Utf8;
    size_t skip = 0;
    bool byBytes = true;
    if (has({0x00, 0x00, 0xFE, 0xFF}) || has({0x00, 0x00, 0x00, 0x3C}))
        fixed = QStringConverter::Utf32BE;
    else if (has({0xFF, 0xFE, 0x00, 0x00}) || has({0x3C, 0x00, 0x00, 0x00}))
        fixed = QStringConverter::Utf32LE;
    else if (has({0xFE, 0xFF}) || has({0x00, 0x3C, 0x00, 0x3F}))
        fixed = QStringConverter::Utf16BE;
    else if (has({0xFF, 0xFE}) || has({0x3C, 0x00, 0x3F, 0x00}))
        fixed = QStringConverter::Utf16LE;
    else if (has({0xEF, 0xBB, 0xBF}))
        skip = 3;
    else
        byBytes = false;

    Decoded out;
    const QByteArray data = QByteArray::fromRawData(bytes.data() + skip, static_cast<qsizetype>(bytes.size() - skip));
    std::string name = "UTF-8";
    QStringDecoder decoder(fixed, QStringConverter::Flag::Stateless);
    if (!byBytes) {
        const std::string declared = DeclaredEncoding(bytes);
        if (!declared.empty() && Lower(declared) != "utf-8" && Lower(declared) != "utf8") {
            name = declared;
            decoder = QStringDecoder(declared.c_str(), QStringConverter::Flag::Stateless);
            if (!decoder.isValid()) {
                out.problem = "its encoding \"" + declared + "\" is not one Nivra can read";
                return out;
            }
        }
    }
    // A byte order mark the decoder meets is dropped by it; the one of UTF-8 was skipped above.
    const QString text = decoder.decode(data);
    if (decoder.hasError()) {
        out.problem = "it holds bytes that are not " + name + " text";
        return out;
    }
    out.utf8 = text.toStdString();
    return out;
}

int LineAt(std::string_view text, ptrdiff_t offset)
{
    if (offset < 0)
        return 0;
    const auto end = text.begin() + std::min<ptrdiff_t>(offset, static_cast<ptrdiff_t>(text.size()));
    return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

std::string AtLine(std::string_view text, ptrdiff_t offset)
{
    const int line = LineAt(text, offset);
    return line > 0 ? " on line " + std::to_string(line) : std::string();
}

// Whether a code point may stand in an XML 1.0 document.
bool IsXmlChar(uint32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

std::string CodePoint(uint32_t c)
{
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", c);
    return text;
}

// The first character of UTF-8 text that XML does not allow, as a reason; empty when none.
std::string BadCharacter(std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        uint32_t point = 0xFFFFFFFF;
        if (c < 0x20 && c != 0x9 && c != 0xA && c != 0xD)
            point = c;
        else if (c == 0xEF && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBF &&
                 (static_cast<unsigned char>(text[i + 2]) & 0xFE) == 0xBE)
            point = 0xFFFE + (static_cast<unsigned char>(text[i + 2]) & 1);
        if (point != 0xFFFFFFFF)
            return "the character " + CodePoint(point) + AtLine(text, static_cast<ptrdiff_t>(i)) +
                   " is not allowed in XML";
    }
    return {};
}

// The first reference in raw text (as written, entities not replaced) that a well-formed
// document may not hold; empty when there is none. Entities declared in a document type are
// not expanded by the parser, so only the five predefined ones count as defined.
std::string BadReference(std::string_view raw)
{
    for (size_t at = raw.find('&'); at != std::string_view::npos; at = raw.find('&', at + 1)) {
        const size_t end = raw.find(';', at);
        if (end == std::string_view::npos || end - at > 40)
            return "a \"&\" that starts no reference";
        const std::string_view name = raw.substr(at + 1, end - at - 1);
        if (name == "lt" || name == "gt" || name == "amp" || name == "apos" || name == "quot")
            continue;
        if (StartsWith(name, "#")) {
            const bool hex = StartsWith(name, "#x");
            const std::string_view digits = name.substr(hex ? 2 : 1);
            uint64_t value = 0;
            bool ok = !digits.empty() && digits.size() <= 8;
            for (char d : digits) {
                const int v = d >= '0' && d <= '9'          ? d - '0'
                              : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                              : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                            : -1;
                ok = ok && v >= 0;
                value = value * (hex ? 16 : 10) + static_cast<uint64_t>(std::max(v, 0));
            }
            if (!ok)
                return "the reference &" + std::string(name) + "; is no character";
            if (value > 0x10FFFF || !IsXmlChar(static_cast<uint32_t>(value)))
                return "the reference &" + std::string(name) + "; names a character XML does not allow";
            continue;
        }
        return "the entity &" + std::string(name) + "; is not defined";
    }
    return {};
}

// What a well-formed document may not hold in one node.
std::string BadNode(pugi::xml_node node, std::string_view text)
{
    // The line is counted only for a node that is told of.
    const auto where = [&] {
        return AtLine(text, node.offset_debug());
    };
    switch (node.type()) {
    case pugi::node_element: {
        std::set<std::string_view> names;
        for (pugi::xml_attribute a : node.attributes()) {
            const std::string_view name = a.name();
            if (!names.insert(name).second)
                return "the attribute " + std::string(name) + " is given twice in <" + node.name() + ">" + where();
            const std::string_view value = a.value();
            if (value.find('<') != std::string_view::npos)
                return "the value of " + std::string(name) + " in <" + node.name() + ">" + where() + " holds a \"<\"";
            if (std::string reference = BadReference(value); !reference.empty())
                return reference + " (in the value of " + std::string(name) + " in <" + node.name() + ">" + where() +
                       ")";
        }
        break;
    }
    case pugi::node_pcdata: {
        const std::string_view value = node.value();
        if (value.find("]]>") != std::string_view::npos)
            return "the text" + where() + " holds \"]]>\"";
        if (std::string reference = BadReference(value); !reference.empty())
            return reference + where();
        break;
    }
    case pugi::node_comment: {
        const std::string_view value = node.value();
        if (value.find("--") != std::string_view::npos || (!value.empty() && value.back() == '-'))
            return "the comment" + where() + " holds \"--\"";
        break;
    }
    default: break;
    }
    return {};
}

// The first node of the document that a well-formed one may not hold, in document order; a
// walk without recursion, for documents nested however deep.
std::string BadNodes(const pugi::xml_document& doc, std::string_view text)
{
    for (pugi::xml_node n = doc.first_child(); n;) {
        if (std::string problem = BadNode(n, text); !problem.empty())
            return problem;
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && !n.next_sibling())
            n = n.parent();
        if (n)
            n = n.next_sibling();
    }
    return {};
}

// What the document's top level may not hold: one root element, nothing but blanks for text,
// the declaration first of all and the document type before the root.
std::string BadTopLevel(const pugi::xml_document& doc, std::string_view text)
{
    bool root = false;
    bool first = true;
    for (pugi::xml_node n : doc.children()) {
        const auto where = [&] {
            return AtLine(text, n.offset_debug());
        };
        switch (n.type()) {
        case pugi::node_element:
            if (root)
                return "a second root element <" + std::string(n.name()) + ">" + where();
            root = true;
            break;
        case pugi::node_pcdata:
        case pugi::node_cdata:
            if (std::string_view(n.value()).find_first_not_of(" \t\r\n") != std::string_view::npos)
                return std::string("text ") + (root ? "after" : "before") + " the root element" + where();
            break;
        case pugi::node_declaration:
            if (!first || !StartsWith(text, "<?xml"))
                return "an XML declaration" + where() + " that is not at the very start";
            break;
        case pugi::node_doctype:
            if (root)
                return "a document type" + where() + " after the root element";
            break;
        default: break;
        }
        first = false;
    }
    return root ? std::string() : "no root element";
}

}  // namespace

Result<std::shared_ptr<pugi::xml_document>> ParseXmlDocument(std::string_view bytes)
{
    const Decoded decoded = Decode(bytes);
    if (!decoded.problem.empty())
        return Fail(decoded.problem);
    const std::string& text = decoded.utf8;
    const auto notWellFormed = [](const std::string& why) {
        return Fail("not well-formed XML: " + why);
    };
    if (std::string bad = BadCharacter(text); !bad.empty())
        return notWellFormed(bad);

    // First as written (references not replaced, top-level text kept), to check it ...
    pugi::xml_document raw;
    const unsigned rawOptions = (pugi::parse_full | pugi::parse_fragment) & ~pugi::parse_escapes;
    const pugi::xml_parse_result parsed = raw.load_buffer(text.data(), text.size(), rawOptions, pugi::encoding_utf8);
    if (!parsed)
        return notWellFormed(std::string(parsed.description()) + AtLine(text, parsed.offset));
    if (std::string bad = BadTopLevel(raw, text); !bad.empty())
        return notWellFormed(bad);
    if (std::string bad = BadNodes(raw, text); !bad.empty())
        return notWellFormed(bad);

    // ... then as the program reads it.
    auto doc = std::make_shared<pugi::xml_document>();
    const pugi::xml_parse_result read =
        doc->load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!read)
        return notWellFormed(std::string(read.description()) + AtLine(text, read.offset));
    return doc;
}
