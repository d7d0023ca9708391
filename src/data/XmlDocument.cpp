// SPDX-License-Identifier: EUPL-1.2
#include "XmlDocument.h"

#include "ZovError.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

#include <mutex>

namespace {

const xmlChar *Utf8(const char *text)
{
    return reinterpret_cast<const xmlChar *>(text);
}

QString FromUtf8(const xmlChar *text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char *>(text)) : QString();
}

// libxml2 prints its errors on standard error unless told otherwise; the
// program reports them itself, and never loads anything from outside.
void SilentGeneric(void *, const char *, ...) {}
void SilentStructured(void *, xmlErrorPtr) {}
xmlParserInputPtr NoExternalEntity(const char *, const char *, xmlParserCtxtPtr)
{
    return nullptr;
}

void InitLibxml()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetGenericErrorFunc(nullptr, SilentGeneric);
        xmlSetStructuredErrorFunc(nullptr, SilentStructured);
        xmlSetExternalEntityLoader(NoExternalEntity);
    });
}

xmlDocPtr NewDocument()
{
    InitLibxml();
    xmlDocPtr doc = xmlNewDoc(Utf8("1.0"));
    if (!doc)
        throw std::bad_alloc();
    return doc;
}

bool IsBlankText(xmlNodePtr node)
{
    return node->type == XML_TEXT_NODE && xmlIsBlankNode(node);
}

// The parser keeps a whitespace-only text where an element holds nothing else;
// the document format gives such whitespace no meaning anywhere.
void DropBlankText(xmlNodePtr parent)
{
    xmlNodePtr child = parent->children;
    while (child) {
        xmlNodePtr next = child->next;
        if (IsBlankText(child)) {
            xmlUnlinkNode(child);
            xmlFreeNode(child);
        } else if (child->type == XML_ELEMENT_NODE) {
            DropBlankText(child);
        }
        child = next;
    }
}

QString ParserMessage(xmlParserCtxtPtr ctxt)
{
    const xmlError *error = xmlCtxtGetLastError(ctxt);
    if (!error || !error->message)
        return QStringLiteral("El documento XML no es válido.");
    return QStringLiteral("Línea %1: %2").arg(error->line).arg(FromUtf8(Utf8(error->message)).trimmed());
}

struct FreeParserCtxt
{
    void operator()(xmlParserCtxtPtr ctxt) const { xmlFreeParserCtxt(ctxt); }
};

} // namespace

// --- TXmlNode ----------------------------------------------------------------

QString TXmlNode::Name() const
{
    return _node ? FromUtf8(_node->name) : QString();
}

TXmlNode TXmlNode::FindNode(const char *name) const
{
    if (!_node)
        return {};
    for (xmlNodePtr child = _node->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE && xmlStrEqual(child->name, Utf8(name)))
            return TXmlNode(child);
    return {};
}

int TXmlNode::ChildCount() const
{
    if (!_node)
        return 0;
    int count = 0;
    for (xmlNodePtr child = _node->children; child; child = child->next)
        ++count;
    return count;
}

TXmlNode TXmlNode::Child(int index) const
{
    xmlNodePtr child = _node ? _node->children : nullptr;
    for (; child && index > 0; --index)
        child = child->next;
    return TXmlNode(child);
}

TXmlNode TXmlNode::AddChild(const char *name) const
{
    xmlNodePtr child = xmlNewChild(_node, nullptr, Utf8(name), nullptr);
    if (!child)
        throw EXMLDocError(QStringLiteral("No se pudo añadir el elemento %1.").arg(QString::fromLatin1(name)));
    return TXmlNode(child);
}

QString TXmlNode::Text() const
{
    const xmlNodePtr first = _node->children;
    if (!first)
        return QString();
    if (first->next == nullptr && (first->type == XML_TEXT_NODE || first->type == XML_CDATA_SECTION_NODE))
        return FromUtf8(first->content);
    throw EXMLDocError(QStringLiteral("El elemento %1 no contiene un valor de texto.").arg(Name()));
}

void TXmlNode::SetText(const QString &value) const
{
    while (_node->children) {
        xmlNodePtr child = _node->children;
        xmlUnlinkNode(child);
        xmlFreeNode(child);
    }
    if (value.isEmpty())
        return;
    const QByteArray utf8 = value.toUtf8();
    xmlNodePtr text = xmlNewDocTextLen(_node->doc, Utf8(utf8.constData()), int(utf8.size()));
    if (!text || !xmlAddChild(_node, text))
        throw EXMLDocError(QStringLiteral("No se pudo dar valor al elemento %1.").arg(Name()));
}

// --- TXmlDocument ------------------------------------------------------------

void TXmlDocument::FreeDoc::operator()(_xmlDoc *doc) const
{
    xmlFreeDoc(doc);
}

TXmlDocument::TXmlDocument() : _doc(NewDocument()) {}

TXmlDocument::~TXmlDocument() = default;

void TXmlDocument::LoadFromBytes(const QByteArray &bytes)
{
    InitLibxml();
    std::unique_ptr<xmlParserCtxt, FreeParserCtxt> ctxt(xmlNewParserCtxt());
    if (!ctxt)
        throw std::bad_alloc();
    constexpr int options = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    std::unique_ptr<xmlDoc, FreeDoc> parsed(
        xmlCtxtReadMemory(ctxt.get(), bytes.constData(), int(bytes.size()), nullptr, nullptr, options));
    if (!parsed || !ctxt->wellFormed || !xmlDocGetRootElement(parsed.get()))
        throw EXMLDocError(ParserMessage(ctxt.get()));
    DropBlankText(xmlDocGetRootElement(parsed.get()));
    _doc = std::move(parsed);
}

QByteArray TXmlDocument::SaveToBytes() const
{
    xmlChar *memory = nullptr;
    int size = 0;
    const char *encoding = _doc->encoding ? reinterpret_cast<const char *>(_doc->encoding) : "UTF-8";
    xmlDocDumpFormatMemoryEnc(_doc.get(), &memory, &size, encoding, 1);
    if (!memory)
        throw EXMLDocError(QStringLiteral("No se pudo serializar el documento XML."));
    QByteArray bytes(reinterpret_cast<const char *>(memory), size);
    xmlFree(memory);
    return bytes;
}

void TXmlDocument::Clear()
{
    _doc.reset(NewDocument());
}

void TXmlDocument::SetEncoding(const char *encoding)
{
    if (_doc->encoding)
        xmlFree(const_cast<xmlChar *>(_doc->encoding));
    _doc->encoding = xmlStrdup(Utf8(encoding));
}

TXmlNode TXmlDocument::DocumentElement() const
{
    return TXmlNode(xmlDocGetRootElement(_doc.get()));
}

TXmlNode TXmlDocument::CreateElement(const char *name) const
{
    xmlNodePtr node = xmlNewDocNode(_doc.get(), nullptr, Utf8(name), nullptr);
    if (!node)
        throw std::bad_alloc();
    return TXmlNode(node);
}

void TXmlDocument::SetDocumentElement(TXmlNode root)
{
    xmlNodePtr old = xmlDocSetRootElement(_doc.get(), root.Handle());
    if (old)
        xmlFreeNode(old);
}
