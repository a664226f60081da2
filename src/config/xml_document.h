#pragma once

#include <memory>
#include <string_view>

#include <pugixml.hpp>

#include "base/result.h"

// Reads the bytes of an XML document the way a conforming parser does, with pugixml doing the
// parsing. The text is decoded by its byte order mark or by the encoding its declaration names
// (any the system's converters know, such as windows-1252, not only the UTF and ISO-8859-1 ones
// pugixml reads itself). Then what a well-formed document may not hold and pugixml lets through
// is refused: a second root element, text outside the root, an attribute given twice, a
// reference to an entity that is not predefined, a character XML does not allow, a "<" in an
// attribute value, "--" in a comment, "]]>" in text, a declaration or a document type that is
// out of place. The reason names what was found and on which line.
Result<std::shared_ptr<pugi::xml_document>> ParseXmlDocument(std::string_view bytes);
