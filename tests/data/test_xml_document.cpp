// SPDX-License-Identifier: EUPL-1.2
// The XML layer: encodings in and out, leaves, and hostile documents.
#include "TestFiles.h"
#include "XmlDocument.h"
#include "ZovError.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TXmlDocument> Parsed(const QByteArray &bytes)
{
    auto doc = std::make_unique<TXmlDocument>();
    doc->LoadFromBytes(bytes);
    return doc;
}

} // namespace

TEST(XmlDocument, SerialisesInTheDeclaredEncodingWithReferencesForMissingCharacters)
{
    TXmlDocument doc;
    doc.SetEncoding("ISO-8859-15");
    TXmlNode root = doc.CreateElement("ZOV");
    doc.SetDocumentElement(root);
    // € and Ñ exist in ISO-8859-15, the curly quote and Ā do not.
    root.AddChild("T").SetText(QStringLiteral("Ñ€ ’Ā <&>"));
    root.AddChild("Vacio").SetText(QString());
    const QByteArray bytes = doc.SaveToBytes();
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\n<ZOV>")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("<T>\xD1\xA4 &#8217;&#256; &lt;&amp;&gt;</T>")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("<Vacio/>"));
    EXPECT_EQ(Parsed(bytes)->DocumentElement().FindNode("T").Text(), QStringLiteral("Ñ€ ’Ā <&>"));
}

TEST(XmlDocument, DetectsTheEncodingFromDeclarationOrByteOrderMark)
{
    const QString expected = QStringLiteral("Ñandú €");
    const QByteArray latin9 = QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?><a>\xD1" "and\xFA \xA4</a>");
    const QByteArray utf8 = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>" + expected.toUtf8() + "</a>";
    const QByteArray bom = "\xEF\xBB\xBF<a>" + expected.toUtf8() + "</a>";
    QByteArray utf16 = QByteArray("\xFF\xFE");
    const QString text = QStringLiteral("<a>") + expected + QStringLiteral("</a>");
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    for (const QByteArray &bytes : {latin9, utf8, bom, utf16})
        EXPECT_EQ(Parsed(bytes)->DocumentElement().Text(), expected);
}

TEST(XmlDocument, WhitespaceBetweenElementsIsDropped)
{
    const auto doc = Parsed("<a>\n  <b> x </b>\n  <!-- c -->\n  <c>   </c>\n</a>");
    const TXmlNode a = doc->DocumentElement();
    ASSERT_EQ(a.ChildCount(), 3); // b, the comment, c
    EXPECT_EQ(a.Child(0).Text(), QStringLiteral(" x "));
    EXPECT_EQ(a.FindNode("c").Text(), QString());
    EXPECT_TRUE(a.FindNode("B").IsNull()) << "names are case-sensitive";
}

TEST(XmlDocument, TextOfAnElementHoldingElementsIsAnError)
{
    const auto doc = Parsed("<a><b><c/></b><d><![CDATA[x<y]]></d><e>1<!--x-->2</e></a>");
    EXPECT_THROW(doc->DocumentElement().FindNode("b").Text(), EXMLDocError);
    EXPECT_EQ(doc->DocumentElement().FindNode("d").Text(), QStringLiteral("x<y"));
    EXPECT_THROW(doc->DocumentElement().FindNode("e").Text(), EXMLDocError);
}

TEST(XmlDocument, MalformedInputThrowsAndKeepsThePreviousContent)
{
    TXmlDocument doc;
    doc.LoadFromBytes("<ok/>");
    for (const QByteArray &bad : {QByteArray(), QByteArray("   "), QByteArray("<a>"), Fixture("sin-cerrar.xml"),
                                  QByteArray("<a></b>"), QByteArray("\x00\x01\x02", 3)}) {
        EXPECT_THROW(doc.LoadFromBytes(bad), EXMLDocError) << bad.constData();
        EXPECT_EQ(doc.DocumentElement().Name(), QStringLiteral("ok"));
    }
}

TEST(XmlDocument, EntitiesAreNeitherExpandedNorLoaded)
{
    // Either the parser refuses the document, or the entity stays unexpanded and
    // reading the leaf fails: never a huge text, never the outside file.
    for (const char *name : {"billion-laughs.xml", "entidad-externa.xml"}) {
        TXmlDocument doc;
        try {
            doc.LoadFromBytes(Fixture(QString::fromLatin1(name)));
        } catch (const EXMLDocError &) {
            continue;
        }
        EXPECT_THROW(doc.DocumentElement().FindNode("Control").Text(), EXMLDocError) << name;
        EXPECT_FALSE(doc.SaveToBytes().contains("root:")) << name;
    }
}
