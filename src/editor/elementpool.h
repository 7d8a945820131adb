// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stacks of open elements a scan meets, each kept once. A stack is a
// node: an element name on top of its parent stack, so the same stack met
// twice is the same number, and a line start can hold the stack open there
// in one integer. Two line starts with the same number have the same
// elements open, which is what lets a scan after an edit stop early.

#include "editor/htmlvocabulary.h"

#include <QByteArray>
#include <QVector>

namespace markupscan {

class ElementPool
{
public:
    // The empty stack; node numbers fit in 25 bits.
    static constexpr quint32 Root = 0;
    static constexpr quint32 MaxNodes = 1u << 25;
    // Stacks deeper than this take no more elements (the fold levels of
    // the editor end well above it).
    static constexpr int MaxDepth = 1000;

    enum class Kind : quint8 {
        Element,      // an element open on its parent
        PendingStart, // a start tag begun and not yet ended, on its parent
        PendingEnd,   // the same for an end tag
    };

    ElementPool();

    // The number of a tag name, letters in any case; known elements keep
    // their place in vocabulary::elements() (number = index + 1).
    quint32 nameId(const char *name, qsizetype size);
    QByteArray nameOf(quint32 nameId) const; // lower case
    // The flags and group of a name (0 and None for names HTML does not know).
    quint16 flags(quint32 nameId) const;
    vocabulary::Group group(quint32 nameId) const;

    // The node for name on parent; Root itself when the pool is full.
    quint32 child(quint32 parent, quint32 nameId, Kind kind = Kind::Element);

    quint32 parent(quint32 node) const { return m_nodes[node].parent; }
    quint32 name(quint32 node) const { return m_nodes[node].name; }
    Kind kind(quint32 node) const { return m_nodes[node].kind; }
    // The number of elements open (a pending tag not counted).
    int depth(quint32 node) const { return m_nodes[node].depth; }
    // The element stack itself, without a pending tag on top.
    quint32 elements(quint32 node) const
    {
        return m_nodes[node].kind == Kind::Element ? node : m_nodes[node].parent;
    }
    // The element at a depth (1 = the outermost) of a stack, or Root.
    quint32 ancestorAt(quint32 node, int depth) const;
    qsizetype size() const { return m_nodes.size(); }

private:
    struct Node
    {
        quint32 parent;
        quint32 name;
        quint16 depth;
        Kind kind;
    };
    struct Slot
    {
        quint64 key = 0;
        quint32 value = 0; // 0: empty (no node or name is 0 here but Root)
    };
    void growNodes();
    void growNames();
    quint32 findName(const char *lower, qsizetype size, quint64 hash) const;

    QVector<Node> m_nodes;
    QVector<Slot> m_nodeSlots;
    QVector<QByteArray> m_names;  // by id; 0 unused
    QVector<quint32> m_nameSlots; // name ids by hash
    QVector<quint64> m_nameHashes;
    qsizetype m_knownNames = 0;
};

} // namespace markupscan
