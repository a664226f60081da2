#include "config/configuration.h"

namespace {
// CRLF line ends and attribute order are part of the document as shipped.
constexpr char kBuiltIn[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<Config>\r\n"
    "  <Devices>\r\n"
    "    <Device id=\"59\" name=\"Brixo\" data-chunk=\"2\">\r\n"
    "      <Alt offs=\"0\" size=\"2\" name=\"Altitude\" alias=\"Alt\" type=\"linear\" "
    "formula=\"40000*(1-(y*0.018/1013.25)^(1/5.255))\" variable=\"alt\"/>\r\n"
    "    </Device>\r\n"
    "  </Devices>\r\n"
    "  <Units>\r\n"
    "    <Unit type=\"velocity\" mark=\"ft/s\" scale=\"3.280839895013123\" region=\"imperial\"/>\r\n"
    "    <Unit type=\"velocity\" mark=\"m/s\" scale=\"1\" region=\"metric\"/>\r\n"
    "    <Unit type=\"linear\" mark=\"ft\" scale=\"3.280839895013123\" region=\"imperial\"/>\r\n"
    "    <Unit type=\"linear\" mark=\"m\" scale=\"1\" region=\"metric\"/>\r\n"
    "    <Unit type=\"time\" mark=\"s\" scale=\"1\"/>\r\n"
    "    <Unit type=\"time\" mark=\"ms\" scale=\"1000\"/>\r\n"
    "  </Units>\r\n"
    "</Config>\r\n";
}  // namespace

std::string_view BuiltInConfigText()
{
    return {kBuiltIn, sizeof(kBuiltIn) - 1};
}
