// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/elementpool.h"

#include <cstring>

namespace markupscan {

namespace {

quint64 hashOf(const char *bytes, qsizetype size)
{
    quint64 h = 14695981039346656037ull;
    for (qsizetype i = 0; i < size; ++i)
        h = (h ^ quint8(bytes[i])) * 1099511628211ull;
    return h;
}

quint64 mix(quint64 key)
{
    key ^= key >> 33;
    key *= 0xff51afd7ed558ccdull;
    key ^= key >> 33;
    return key;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + 32) : c;
}

} // namespace

ElementPool::ElementPool()
{
    m_nodes.append({0, 0, 0, Kind::Element});
    m_nodeSlots.resize(1024);
    m_names.append(QByteArray());
    m_nameHashes.append(0);
    m_nameSlots.resize(512);
    for (const vocabulary::Element &element : vocabulary::elements()) {
        const QByteArray name = element.name.toLatin1();
        nameId(name.constData(), name.size());
    }
    m_knownNames = m_names.size() - 1;
}

quint32 ElementPool::findName(const char *lower, qsizetype size, quint64 hash) const
{
    const qsizetype mask = m_nameSlots.size() - 1;
    for (qsizetype at = qsizetype(hash) & mask;; at = (at + 1) & mask) {
        const quint32 id = m_nameSlots[at];
        if (id == 0)
            return 0;
        if (m_nameHashes[id] == hash && m_names[id].size() == size &&
            std::memcmp(m_names[id].constData(), lower, size_t(size)) == 0)
            return id;
    }
}

quint32 ElementPool::nameId(const char *name, qsizetype size)
{
    char buffer[64];
    QByteArray longName;
    char *lowered = buffer;
    if (size > qsizetype(sizeof buffer)) {
        longName.resize(size);
        lowered = longName.data();
    }
    for (qsizetype i = 0; i < size; ++i)
        lowered[i] = lower(name[i]);
    const quint64 hash = hashOf(lowered, size);
    if (const quint32 id = findName(lowered, size, hash))
        return id;
    const auto id = quint32(m_names.size());
    m_names.append(QByteArray(lowered, size));
    m_nameHashes.append(hash);
    if (2 * m_names.size() > m_nameSlots.size())
        growNames();
    else {
        const qsizetype mask = m_nameSlots.size() - 1;
        qsizetype at = qsizetype(hash) & mask;
        while (m_nameSlots[at])
            at = (at + 1) & mask;
        m_nameSlots[at] = id;
    }
    return id;
}

void ElementPool::growNames()
{
    m_nameSlots.fill(0, 2 * m_nameSlots.size());
    const qsizetype mask = m_nameSlots.size() - 1;
    for (quint32 id = 1; id < quint32(m_names.size()); ++id) {
        qsizetype at = qsizetype(m_nameHashes[id]) & mask;
        while (m_nameSlots[at])
            at = (at + 1) & mask;
        m_nameSlots[at] = id;
    }
}

QByteArray ElementPool::nameOf(quint32 nameId) const
{
    return nameId < quint32(m_names.size()) ? m_names[nameId] : QByteArray();
}

quint16 ElementPool::flags(quint32 nameId) const
{
    if (nameId == 0 || nameId > quint32(m_knownNames))
        return 0;
    return vocabulary::elements()[nameId - 1].flags;
}

vocabulary::Group ElementPool::group(quint32 nameId) const
{
    if (nameId == 0 || nameId > quint32(m_knownNames))
        return vocabulary::Group::None;
    return vocabulary::elements()[nameId - 1].group;
}

quint32 ElementPool::child(quint32 parent, quint32 nameId, Kind kind)
{
    const quint64 key = (quint64(parent) << 32) | (quint64(nameId) << 2) | quint64(kind);
    const qsizetype mask = m_nodeSlots.size() - 1;
    qsizetype at = qsizetype(mix(key)) & mask;
    for (; m_nodeSlots[at].value; at = (at + 1) & mask) {
        if (m_nodeSlots[at].key == key)
            return m_nodeSlots[at].value;
    }
    if (quint32(m_nodes.size()) >= MaxNodes)
        return Root;
    const auto node = quint32(m_nodes.size());
    const int depth = m_nodes[parent].depth + (kind == Kind::Element ? 1 : 0);
    m_nodes.append({parent, nameId, quint16(depth), kind});
    m_nodeSlots[at] = {key, node};
    if (2 * m_nodes.size() > m_nodeSlots.size())
        growNodes();
    return node;
}

void ElementPool::growNodes()
{
    QVector<Slot> old;
    old.swap(m_nodeSlots);
    m_nodeSlots.resize(2 * old.size());
    const qsizetype mask = m_nodeSlots.size() - 1;
    for (const Slot &slot : std::as_const(old)) {
        if (!slot.value)
            continue;
        qsizetype at = qsizetype(mix(slot.key)) & mask;
        while (m_nodeSlots[at].value)
            at = (at + 1) & mask;
        m_nodeSlots[at] = slot;
    }
}

quint32 ElementPool::ancestorAt(quint32 node, int depth) const
{
    node = elements(node);
    if (depth <= 0 || depth > m_nodes[node].depth)
        return Root;
    while (m_nodes[node].depth > depth)
        node = m_nodes[node].parent;
    return node;
}

} // namespace markupscan
