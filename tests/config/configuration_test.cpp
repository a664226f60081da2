#include <gtest/gtest.h>

#include <QStringEncoder>
#include <QTemporaryDir>

#include "config/configuration.h"
#include "test_support.h"

namespace {

// A document of one device 59 of this name, with more elements after its devices.
std::string Named(const std::string& name, const std::string& rest = "")
{
    return "<Config><Devices><Device id='59' name='" + name + "'/></Devices>" + rest + "</Config>";
}

}  // namespace

TEST(Configuration, BuiltInDocumentAsShipped)
{
    const std::string_view text = BuiltInConfigText();
    // Every line ends with CR LF.
    size_t lines = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') {
            ++lines;
            ASSERT_GT(i, 0u);
            EXPECT_EQ(text[i - 1], '\r') << "line " << lines;
        }
    EXPECT_EQ(lines, 16u);
    EXPECT_EQ(text.substr(0, 40), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n");
    EXPECT_NE(text.find("\r\n    <Device id=\"59\" name=\"Brixo\" data-chunk=\"2\">\r\n"), std::string_view::npos);
    EXPECT_NE(text.find("\r\n      <Alt offs=\"0\" size=\"2\" name=\"Altitude\" alias=\"Alt\" type=\"linear\" "
                        "formula=\"40000*(1-(y*0.018/1013.25)^(1/5.255))\" variable=\"alt\""),
              std::string_view::npos);
    EXPECT_NE(text.find("\r\n    <Unit type=\"time\" mark=\"s\" scale=\"1\"/>\r\n"), std::string_view::npos);

    const Configuration config = BuiltInConfig();
    ASSERT_TRUE(config.HasRoot());
    EXPECT_EQ(std::tuple(config.SupportedDevicesText(), config.RecordSizeOf(59), config.FindDevice(0).Id()),
              std::tuple("Brixo", 2, "59"));
    const struct {
        const char* type;
        const char* region;
        double scale;
    } units[] = {
        {"linear", "imperial", 3.280839895013123},
        {"linear", "metric", 1.0},
        {"velocity", "imperial", 3.280839895013123},
        {"velocity", "metric", 1.0},
        {"time", "none", 1.0},  // time units have no region: never found
        {"linear", "nautical", 1.0},
    };
    for (const auto& u : units)
        EXPECT_EQ(config.UnitScale(u.type, u.region), u.scale) << u.type << "/" << u.region;
}

TEST(Configuration, FileLookupAndFallbacks)
{
    QTemporaryDir program, user;
    const struct {
        const char* what;
        const char* programFile;  // nullptr: no file
        const char* userFile;
        Configuration::Source source;
        const char* devices;
        size_t passedOver;  // files there that were not used; a missing one is the usual case
    } cases[] = {
        {"no file anywhere", nullptr, nullptr, Configuration::Source::BuiltIn, "Brixo", 0},
        {"empty file", "", nullptr, Configuration::Source::BuiltIn, "Brixo", 1},
        {"beside the program", "P", nullptr, Configuration::Source::File, "P", 0},
        {"per-user folder only", nullptr, "U", Configuration::Source::File, "U", 0},
        {"both: the program's wins", "P", "U", Configuration::Source::File, "P", 0},
        {"malformed beside, good per-user", "<<", "U", Configuration::Source::File, "U", 1},
    };
    for (const auto& c : cases) {
        QFile::remove(program.filePath("Nivra.cfg"));
        QFile::remove(user.filePath("Nivra.cfg"));
        if (c.programFile)
            WriteText(program.filePath("Nivra.cfg"),
                      std::string(c.programFile).size() == 1 ? Named(c.programFile) : c.programFile);
        if (c.userFile)
            WriteText(user.filePath("Nivra.cfg"), Named(c.userFile));
        Configuration config;
        EXPECT_EQ(config.Load(program.path().toStdString(), user.path().toStdString()), c.source) << c.what;
        EXPECT_EQ(config.SupportedDevicesText(), c.devices) << c.what;
        EXPECT_EQ(config.PassedOver().size(), c.passedOver) << c.what;
    }
}

TEST(Configuration, OversizedFileIsNotRead)
{
    QTemporaryDir program;
    std::string text = "<Config><Devices><Device id='59' name='Big'/></Devices><!--";
    text.append(static_cast<size_t>(kMaxConfigFileBytes), 'x');
    text += "--></Config>";
    WriteText(program.filePath("Nivra.cfg"), text);
    Configuration config;
    EXPECT_EQ(config.Load(program.path().toStdString(), ""), Configuration::Source::BuiltIn);
    const Status explicitly = Configuration().LoadFromFile(program.filePath("Nivra.cfg").toStdString());
    ASSERT_FALSE(explicitly.Ok());
    EXPECT_EQ(explicitly.Error(), "the file is larger than 16 MiB");
}

TEST(Configuration, NoRootFindsNothing)
{
    Configuration config;
    EXPECT_FALSE(config.LoadFromText("<Config><Devices>"));
    EXPECT_FALSE(config.LoadFromText("just text"));
    EXPECT_FALSE(config.HasRoot());
    EXPECT_FALSE(config.FindDevice(59));
    EXPECT_EQ(config.RecordSizeOf(59), 2);
    EXPECT_EQ(config.UnitScale("linear", "imperial"), 1.0);
    EXPECT_EQ(config.SupportedDevicesText(), "");
}

TEST(Configuration, DeviceLookupMatchesIdText)
{
    const Configuration config = ConfigFromText(
        "<Config><Devices>"
        "<Device id='060' name='Padded'/><Device id=' 61' name='Blank'/><Device id='60' name='Sixty' data-chunk='6'/>"
        "<Device name='NoId'/><Device id='2'/>"
        "</Devices><Devices><Device name='Later'/></Devices></Config>");
    const struct {
        uint8_t id;
        const char* found;  // the "name" found, or nullptr
    } cases[] = {{60, "Sixty"}, {61, nullptr}, {59, nullptr}, {0, nullptr}};
    for (const auto& c : cases) {
        const DeviceRef device = config.FindDevice(c.id);
        if (c.found)
            EXPECT_EQ(StringAttribute(device.node, "name"), c.found) << int(c.id);
        else
            EXPECT_FALSE(device) << int(c.id);
    }
    EXPECT_EQ(config.RecordSizeOf(60), 6);
    EXPECT_EQ(config.RecordSizeOf(61), 2);                                          // not found
    EXPECT_EQ(config.SupportedDevicesText(), "Padded, Blank, Sixty, NoId, Later");  // the nameless one left out
}

TEST(Configuration, SetupOfALogForItsDevice)
{
    const Configuration config = ConfigFromText(
        "<Config><Devices>"
        "<Device id='1'><Alt formula='y*2'/><Alt formula='ignored'/></Device>"
        "<Device id='4' data-chunk='twelve'><Alt/></Device>"
        "<Device id='6' data-chunk='8'/>"
        "</Devices></Config>");
    const struct {
        uint8_t id;
        uint8_t channelByte;
        bool ok;
        uint32_t recordSize;
        const char* formula;
    } cases[] = {
        {1, 0, false, 0, nullptr},  // no data-chunk: twice the channel byte, 0 is too small
        {1, 1, true, 2, "y*2"},
        {1, 3, true, 6, "y*2"},
        {1, 255, true, 510, "y*2"},
        {4, 2, true, 4, ""},  // an unconvertible data-chunk counts as missing; Alt without
                              // formula
        {6, 0, true, 8, ""},
    };
    for (const auto& c : cases) {
        BrixoLog log;
        log.m_device = config.FindDevice(c.id);
        ASSERT_TRUE(log.m_device);
        EXPECT_EQ(log.SetupForDevice(c.channelByte).Ok(), c.ok) << int(c.id) << "/" << int(c.channelByte);
        if (!c.ok)
            continue;
        EXPECT_EQ(log.m_recordSize, c.recordSize) << int(c.id);
        EXPECT_EQ(log.m_recordBuffer.size(), c.recordSize) << int(c.id);
        EXPECT_EQ(*log.m_altFormula, c.formula) << int(c.id);
    }
    EXPECT_EQ(config.RecordSizeOf(1), 2);  // the download's query ignores the channel byte
}

TEST(Configuration, AttributeConversions)
{
    pugi::xml_document doc;
    ASSERT_TRUE(
        doc.load_string("<C a='12' b=' -3 ' c='1.5' d='abc' e='99999999999' f='' g='+7' h='1e3' "
                        "i='nan' j='0x10' k='2.5e-1' l='-2147483648'/>"));
    const pugi::xml_node c = doc.first_child();
    const struct {
        const char* name;
        std::optional<int32_t> integer;
        std::optional<double> real;
    } cases[] = {
        {"a", 12, 12.0},
        {"b", -3, -3.0},
        {"c", std::nullopt, 1.5},
        {"d", std::nullopt, std::nullopt},
        {"e", std::nullopt, 99999999999.0},
        {"f", std::nullopt, std::nullopt},
        {"g", 7, 7.0},
        {"h", std::nullopt, 1000.0},
        {"i", std::nullopt, std::nullopt},
        {"j", std::nullopt, std::nullopt},
        {"k", std::nullopt, 0.25},
        {"l", INT32_MIN, -2147483648.0},
        {"missing", std::nullopt, std::nullopt},
    };
    for (const auto& t : cases) {
        EXPECT_EQ(IntAttribute(c, t.name), t.integer) << t.name;
        EXPECT_EQ(RealAttribute(c, t.name), t.real) << t.name;
    }
    EXPECT_EQ(StringAttribute(c, "f"), "");
    EXPECT_EQ(StringAttribute(c, "missing"), std::nullopt);
}

TEST(Configuration, ADocumentIsReadAsAConformingParserReadsIt)
{
    // What pugixml alone accepts but a well-formed document may not hold falls back to the
    // built-in document, and the file passed over is named with the reason; documents in
    // other encodings are read as they declare.
    const std::string bom8 = "\xEF\xBB\xBF";
    const auto Repeated = [](const std::string& text, int times) {
        std::string all;
        for (int i = 0; i < times; ++i)
            all += text;
        return all;
    };
    const struct {
        const char* what;
        std::string bytes;
        const char* reason;             // why the file was passed over for the built-in document
        const char* devices = nullptr;  // the names read when it was not
    } cases[] = {
        {"two root elements", Named("A") + "\r\n<Other/>",
         "not well-formed XML: a second root element <Other> on line 2"},
        {"an attribute twice", "<Config>\n<Devices><Device id='59' name='A' name='B'/></Devices></Config>",
         "not well-formed XML: the attribute name is given twice in <Device> on line 2"},
        {"text after the root", Named("A") + "\nleft over",
         "not well-formed XML: text after the root element on line 1"},
        {"text before the root", "stray " + Named("A"), "not well-formed XML: text before the root element on line 1"},
        {"an undefined entity", Named("A&eacute;"),
         "not well-formed XML: the entity &eacute; is not defined (in the value of name in <Device> on line 1)"},
        {"an undefined entity in text", Named("A", "<Note>&nbsp;</Note>"),
         "not well-formed XML: the entity &nbsp; is not defined on line 1"},
        {"an entity of the document type, which is not expanded", "<!DOCTYPE Config [<!ENTITY b 'B'>]>" + Named("&b;"),
         "not well-formed XML: the entity &b; is not defined (in the value of name in <Device> on line 1)"},
        {"a lone ampersand", Named("A & B"),
         "not well-formed XML: a \"&\" that starts no reference (in the value of name in <Device> on line 1)"},
        {"a character reference to NUL", Named("A&#0;"),
         "not well-formed XML: the reference &#0; names a character XML does not allow (in the value of name in "
         "<Device> on line 1)"},
        {"a control character", Named("A\x01"),
         "not well-formed XML: the character U+0001 on line 1 is not allowed in XML"},
        {"a < in a value", Named("A<B"), "not well-formed XML: the value of name in <Device> on line 1 holds a \"<\""},
        {"-- in a comment", Named("A", "\n<!-- a -- b -->"), "not well-formed XML: the comment on line 2 holds \"--\""},
        {"]]> in text", Named("A", "<Note>x ]]> y</Note>"), "not well-formed XML: the text on line 1 holds \"]]>\""},
        {"a declaration after the start", " <?xml version='1.0'?>" + Named("A"),
         "not well-formed XML: an XML declaration on line 1 that is not at the very start"},
        {"a document type after the root", Named("A") + "<!DOCTYPE Config>",
         "not well-formed XML: a document type on line 1 after the root element"},
        {"an unclosed element", "<Config>\n<Devices>", "not well-formed XML: Start-end tags mismatch on line 2"},
        {"no element at all", "<!-- nothing -->", "not well-formed XML: no root element"},
        {"an encoding nobody knows", "<?xml version='1.0' encoding='x-nivra-42'?>" + Named("A"),
         "its encoding \"x-nivra-42\" is not one Nivra can read"},
        {"Latin-1 bytes declared as nothing (so UTF-8)", Named("Caf\xE9"), "it holds bytes that are not UTF-8 text"},
        // Well-formed: read as written.
        {"the predefined entities and character references", Named("A&amp;B&#x20;&lt;3&#62;"), nullptr, "A&B <3>"},
        {"a document type, comments, instructions and blanks around the root",
         "<?xml version='1.0'?>\r\n<!DOCTYPE Config>\r\n<!-- c -->" + Named("A", "<![CDATA[ a < b &x; ]]>") +
             "\r\n<?done?>\r\n",
         nullptr, "A"},
        {"windows-1252, as written on Windows",
         "<?xml version=\"1.0\" encoding=\"windows-1252\"?>" + Named("\x80 Vol\xE9"), nullptr,
         "\xE2\x82\xAC Vol\xC3\xA9"},
        {"ISO-8859-1", "<?xml version='1.0' encoding='ISO-8859-1'?>" + Named("Vol\xE9"), nullptr, "Vol\xC3\xA9"},
        {"UTF-8 with its byte order mark", bom8 + Named("\xC3\xA9"), nullptr, "\xC3\xA9"},
        {"nested a hundred thousand deep", Named("A", Repeated("<n>", 100000) + Repeated("</n>", 100000)), nullptr,
         "A"},
    };
    QTemporaryDir program;
    for (const auto& c : cases) {
        WriteText(program.filePath("Nivra.cfg"), c.bytes);
        Configuration loaded;
        const Configuration::Source source = loaded.Load(program.path().toStdString(), "");
        EXPECT_EQ(loaded.SupportedDevicesText(), c.reason ? "Brixo" : c.devices) << c.what;
        if (c.reason) {
            EXPECT_EQ(source, Configuration::Source::BuiltIn) << c.what;
            ASSERT_EQ(loaded.PassedOver().size(), 1u) << c.what;
            EXPECT_EQ(loaded.PassedOver()[0],
                      program.filePath("Nivra.cfg").toStdString() + " was not used: " + c.reason)
                << c.what;
        } else {
            EXPECT_EQ(source, Configuration::Source::File) << c.what;
            EXPECT_TRUE(loaded.PassedOver().empty()) << c.what;
        }
    }
    // UTF-16, with its byte order mark and without, in both byte orders.
    const QString text = QString::fromStdString("<?xml version='1.0' encoding='UTF-16'?>" + Named("\xC3\xA9t\xC3\xA9"));
    for (QStringConverter::Encoding e : {QStringConverter::Utf16LE, QStringConverter::Utf16BE})
        for (bool bom : {true, false}) {
            QStringEncoder encode(e, bom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
            const QByteArray bytes = encode(text);
            WriteText(program.filePath("Nivra.cfg"), bytes.toStdString());
            Configuration loaded;
            EXPECT_EQ(loaded.Load(program.path().toStdString(), ""), Configuration::Source::File) << e << bom;
            EXPECT_EQ(loaded.SupportedDevicesText(), "\xC3\xA9t\xC3\xA9") << e << bom;
        }
}
