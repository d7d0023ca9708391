// SPDX-License-Identifier: EUPL-1.2
#pragma once

// A small XML document layer over libxml2: what the application document needs
// of a DOM and nothing more. Parsing never touches the network, loads no DTD and
// substitutes no entity; whitespace-only text is dropped.

#include <QByteArray>
#include <QString>

#include <memory>

struct _xmlDoc;
struct _xmlNode;

// A node of a TXmlDocument; a light handle that does not own the node. A null
// handle stands for "no such element".
class TXmlNode
{
public:
    TXmlNode() = default;
    explicit TXmlNode(_xmlNode *node) : _node(node) {}

    bool IsNull() const { return _node == nullptr; }
    explicit operator bool() const { return _node != nullptr; }
    QString Name() const;

    // The first child element of that name (case-sensitive), or a null node.
    TXmlNode FindNode(const char *name) const;
    // Child nodes of every kind (elements, comments, processing instructions).
    int ChildCount() const;
    TXmlNode Child(int index) const;

    // Appends a new, empty child element and returns it.
    TXmlNode AddChild(const char *name) const;
    // The text of a leaf: empty for no content, the single text or character-data
    // child otherwise. Throws EXMLDocError when the element holds anything else.
    QString Text() const;
    // Replaces the content with one text node holding value unchanged.
    void SetText(const QString &value) const;

    _xmlNode *Handle() const { return _node; }

private:
    _xmlNode *_node = nullptr;
};

// An XML document of version "1.0", owned.
class TXmlDocument
{
public:
    TXmlDocument();
    ~TXmlDocument();
    TXmlDocument(const TXmlDocument &) = delete;
    TXmlDocument &operator=(const TXmlDocument &) = delete;

    // Replaces the content with the document parsed from bytes; the encoding is
    // detected from the byte-order mark or the declaration. Throws EXMLDocError
    // with the parser's message; the previous content then stays.
    void LoadFromBytes(const QByteArray &bytes);
    // Serialises with the declaration, indented, in the declared encoding;
    // characters the encoding lacks become character references.
    QByteArray SaveToBytes() const;

    // Removes all content: the root element and the declaration's encoding.
    void Clear();
    void SetEncoding(const char *encoding);

    TXmlNode DocumentElement() const;
    // A new element of this document, not yet attached.
    TXmlNode CreateElement(const char *name) const;
    void SetDocumentElement(TXmlNode root);

private:
    struct FreeDoc
    {
        void operator()(_xmlDoc *doc) const;
    };
    std::unique_ptr<_xmlDoc, FreeDoc> _doc;
};
