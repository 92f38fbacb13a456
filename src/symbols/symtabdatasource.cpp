#include "symbols/symtabdatasource.h"

#include "frame/core/cuifunctionregistry.h"
#include "frame/core/cuihandles.h"
#include "symbols/navlistitem.h"
#include "symbols/symbolpattern.h"
#include "symbols/symtabrecord.h"
#include "symbols/symtabstorage.h"
#include "system/lifetime.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <cstring>
#include <exception>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
#include <unordered_set>
#include <utility>

using tesk::symbols::SymbolPattern;

namespace {

constexpr uint16_t kOverflowWord = 0xffff;

// The scope code of a record's scope word (matched exactly).
int8_t scopeCode(QByteArrayView word, bool variable)
{
    if (word == "Public" || (variable && word == "Global"))
        return kScopePublic;
    if (word == "Static")
        return kScopeStatic;
    if (word == "Label")
        return kScopeLabel;
    if (variable && word == "Local")
        return kScopeLocal;
    return variable ? 5 : 4;
}

// Addresses as the engine writes them ("0x" and lower-case hex digits without leading zeros)
// are kept as numbers; any other text is kept as text.
bool parseCanonicalAddress(QByteArrayView text, uint64_t &value)
{
    if (text.size() < 3 || text.size() > 18 || !text.startsWith("0x"))
        return false;
    const QByteArrayView digits = text.sliced(2);
    if (digits.size() > 1 && digits[0] == '0')
        return false;
    value = 0;
    for (char c : digits) {
        int digit = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
        if (digit < 0)
            return false;
        value = value << 4 | uint64_t(digit);
    }
    return true;
}

// Called for every name when the collation order is made: the C library's backward search
// reads many bytes at a time where the view's reads one.
QByteArrayView lastComponent(QByteArrayView name)
{
#if defined(__GLIBC__)
    const void *slash = name.isEmpty() ? nullptr : memrchr(name.data(), '\\', size_t(name.size()));
    return slash ? name.sliced(static_cast<const char *>(slash) - name.data() + 1) : name;
#else
    const qsizetype slash = name.lastIndexOf('\\');
    return slash < 0 ? name : name.sliced(slash + 1);
#endif
}

bool scopeShown(const SymSymbol &s, const SymbolQuery &q)
{
    switch (s.scopeCode) {
    case kScopePublic:
        return q.showPublics;
    case kScopeStatic:
        return q.showStatics;
    case kScopeLabel:
        return q.showLabels;
    case kScopeLocal:
        return (s.flags & SymSymbol::kVariable) && q.showLocals;
    }
    return false;
}

} // namespace

class SymtabDataSourcePrivate
{
public:
    TeskHandle vdata = 0;
    CuiSymtabHostFn handler = nullptr;
    bool updating = false;
    // A clear asked for from inside the host's answer, done when the answer is complete.
    bool clearHeld = false;
    QMap<QString, SymImage *> images;

    std::vector<std::unique_ptr<SymImage>> ownedImages;
    // Replaced modules stay here too, out of the tree, until Clear.
    std::vector<std::unique_ptr<SymModule>> ownedModules;
    tesk::symbols::ChunkedStore<SymSymbol> symbols;
    tesk::symbols::TextArena texts;
    std::vector<QByteArray> scopeWords;
    QHash<QByteArray, uint16_t> scopeWordIds;
    QHash<const SymSymbol *, QByteArray> overflowWords;

    // Collation order of all symbols (rank to index), made when the host has sent its data
    // (or when first needed, for data added outside an update).
    mutable std::vector<SymbolIndex> rankOrder;
    // The places of the names that start with "<", in order: such rows are listed first.
    mutable std::vector<uint32_t> angleRanks;
    mutable bool ranksValid = true;
    mutable QString patternError;

    // The module of the previous symbol record: engines send a module's symbols together.
    QByteArray lastImageName;
    QByteArray lastModuleName;
    SymModule *lastModule = nullptr;

    SymImage *findImage(QByteArrayView name) const
    {
        return images.value(QString::fromLatin1(name), nullptr);
    }
    SymModule *findModule(QByteArrayView image, QByteArrayView module, bool &imageKnown);
    void addSymbol(QByteArrayView text, bool variable);
    uint16_t internScopeWord(QByteArrayView word);
    void computeRanks() const;
    void searchSymbols(const SymbolQuery &query, bool variables,
                       std::vector<SymbolIndex> &result) const;
    void listByName(std::vector<uint64_t> &hits, Qt::SortOrder order,
                    std::vector<SymbolIndex> &result) const;
    bool listed(const SymSymbol &s, const SymbolQuery &query,
                const tesk::symbols::SymbolPattern &namePattern, bool variables) const;
    void scanBlocks(const SymbolQuery &query, const tesk::symbols::SymbolPattern &namePattern,
                    bool variables, size_t firstBlock, size_t endBlock,
                    std::vector<uint64_t> &bits) const;
    std::vector<uint64_t> scanNames(const SymbolQuery &query,
                                    const tesk::symbols::SymbolPattern &namePattern,
                                    bool variables) const;
    bool checkPattern(const SymbolPattern &pattern) const;
    // Says so where the expression engine gave up on names: the list may lack some.
    void noteGaveUp(std::initializer_list<const SymbolPattern *> patterns) const;
    void searchWith(const SymbolQuery &query, bool variables, const SymbolPattern &imagePattern,
                    const SymbolPattern &modulePattern, const SymbolPattern &namePattern,
                    std::vector<SymbolIndex> &result) const;
    void reset();
};

SymModule *SymtabDataSourcePrivate::findModule(QByteArrayView image, QByteArrayView module,
                                               bool &imageKnown)
{
    imageKnown = true;
    if (lastModule && lastImageName == image && lastModuleName == module)
        return lastModule;
    SymImage *img = findImage(image);
    imageKnown = img != nullptr;
    if (!img)
        return nullptr;
    SymModule *found = img->modules.value(QString::fromLatin1(module), nullptr);
    if (found) {
        lastImageName = image.toByteArray();
        lastModuleName = module.toByteArray();
        lastModule = found;
    }
    return found;
}

uint16_t SymtabDataSourcePrivate::internScopeWord(QByteArrayView word)
{
    const QByteArray key = word.toByteArray();
    const auto it = scopeWordIds.constFind(key);
    if (it != scopeWordIds.constEnd())
        return it.value();
    if (scopeWords.size() >= kOverflowWord)
        return kOverflowWord;
    const uint16_t id = uint16_t(scopeWords.size());
    scopeWords.push_back(key);
    scopeWordIds.insert(key, id);
    return id;
}

void SymtabDataSourcePrivate::addSymbol(QByteArrayView text, bool variable)
{
    using namespace tesk::symbols;
    const RecordFields f = splitRecord(text, kSymbolFields);
    bool imageKnown = false;
    SymModule *module = findModule(f[0], f[1], imageKnown);
    if (!imageKnown)
        return;
    if (!module) {
        throw std::runtime_error("Module not found. It is likely that incorrect data has been "
                                 "returned from the EeaSymSearchGetXXXXX calls ");
    }
    const SymbolIndex index = SymbolIndex(symbols.size());
    if (index == UINT32_MAX)
        throw std::length_error("the symbol storage is full");
    SymSymbol s;
    s.module = module;
    s.nameRef = texts.add(f[2]);
    s.nameLength = uint32_t(f[2].size());
    if (parseCanonicalAddress(f[3], s.address)) {
        s.flags |= SymSymbol::kNumericAddress;
    } else {
        s.address = uint64_t(texts.add(f[3])) | uint64_t(f[3].size()) << 32;
    }
    s.scopeCode = scopeCode(f[4], variable);
    s.scopeWord = internScopeWord(f[4]);
    if (variable)
        s.flags |= SymSymbol::kVariable;
    if (SymbolPattern::hasLineBreakBytes(f[2]))
        s.flags |= SymSymbol::kLineBreakBytes;
    if (f[2].startsWith('<'))
        s.flags |= SymSymbol::kAngleName;
    SymSymbol &stored = symbols.append();
    stored = s;
    if (s.scopeWord == kOverflowWord)
        overflowWords.insert(&stored, f[4].toByteArray());
    (variable ? module->variables : module->functions).push_back(index);
    ranksValid = false;
}

namespace {

// A byte hash of a name, eight bytes a step: the distinct names of a million are found by it
// when data arrives, so it must cost little more than reading the bytes.
uint64_t hashBytes(QByteArrayView text)
{
    constexpr uint64_t kMul = 0x9e3779b97f4a7c15ull;
    uint64_t h = uint64_t(text.size()) * kMul;
    const char *p = text.data();
    qsizetype left = text.size();
    for (; left >= 8; left -= 8, p += 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        h = (h ^ word) * kMul;
        h ^= h >> 29;
    }
    uint64_t tail = 0;
    if (left) // an empty text has no bytes to point at
        std::memcpy(&tail, p, size_t(left));
    h = (h ^ tail) * kMul;
    return h ^ (h >> 32);
}

// The distinct texts among many, each numbered by its first appearance: open addressing over
// slots that hold a number and part of its hash, the distinct texts copied together so that
// telling a repeat from a clash reads bytes in cache rather than the first one far back in the
// arena.
class DistinctTexts
{
public:
    // The slot a hash is looked for first: fetched ahead of time, it is in cache when needed.
    const uint64_t *slotOf(uint64_t hash) const
    {
        return m_slots.empty() ? nullptr : &m_slots[hash & m_mask];
    }
    // The bytes of the text a hash most likely stands for, once its slot is in cache.
    void prefetchText(uint64_t hash) const
    {
        if (m_slots.empty())
            return;
        const uint64_t held = m_slots[hash & m_mask];
        if (held != kEmpty && (held & ~uint64_t(UINT32_MAX)) == (hash & ~uint64_t(UINT32_MAX)))
            __builtin_prefetch(m_bytes.data() + m_starts[uint32_t(held)]);
    }
    uint32_t number(QByteArrayView text, uint64_t hash)
    {
        if ((m_starts.size() + 1) * 2 > m_slots.size())
            grow();
        const uint64_t tag = hash & ~uint64_t(UINT32_MAX);
        for (size_t slot = hash & m_mask;; slot = (slot + 1) & m_mask) {
            const uint64_t held = m_slots[slot];
            if (held == kEmpty) {
                const uint32_t id = uint32_t(m_starts.size());
                m_slots[slot] = tag | id;
                m_starts.push_back(m_bytes.size());
                if (!text.isEmpty())
                    m_bytes.append(text.data(), size_t(text.size()));
                return id;
            }
            const uint32_t id = uint32_t(held);
            if ((held & ~uint64_t(UINT32_MAX)) == tag && this->text(id) == text)
                return id;
        }
    }
    size_t size() const { return m_starts.size(); }
    QByteArrayView text(uint32_t id) const
    {
        const size_t end = id + 1 < m_starts.size() ? m_starts[id + 1] : m_bytes.size();
        return QByteArrayView(m_bytes.data() + m_starts[id], qsizetype(end - m_starts[id]));
    }

private:
    static constexpr uint64_t kEmpty = UINT64_MAX;

    void grow()
    {
        const size_t size = std::max<size_t>(1024, m_slots.size() * 2);
        m_slots.assign(size, kEmpty);
        m_mask = size - 1;
        for (uint32_t id = 0; id < m_starts.size(); ++id) {
            const uint64_t hash = hashBytes(text(id));
            size_t slot = hash & m_mask;
            while (m_slots[slot] != kEmpty)
                slot = (slot + 1) & m_mask;
            m_slots[slot] = (hash & ~uint64_t(UINT32_MAX)) | id;
        }
    }

    std::vector<uint64_t> m_slots;
    size_t m_mask = 0;
    std::string m_bytes;
    std::vector<size_t> m_starts;
};

// Runs work(begin, end) over [0, count) in up to four parts at once when there is enough of it;
// the parts must not throw. Without threads to be had, the parts left are run here.
template<typename Work>
void inParts(size_t count, const Work &work)
{
    constexpr size_t kMinPart = 1 << 16;
    const size_t parts = std::min<size_t>(
        {size_t(std::max(1u, std::thread::hardware_concurrency())), 4, count / kMinPart + 1});
    const auto edge = [count, parts](size_t part) { return count * part / parts; };
    std::vector<std::thread> threads;
    size_t part = 1;
    try {
        for (; part < parts; ++part)
            threads.emplace_back([&work, &edge, part] { work(edge(part), edge(part + 1)); });
    } catch (const std::system_error &) {
        for (; part < parts; ++part)
            work(edge(part), edge(part + 1));
    }
    work(0, edge(1));
    for (std::thread &thread : threads)
        thread.join();
}

} // namespace

// Every symbol's place in collation order of its name's last component, through sort keys
// made once: a sorted list of any size is then a walk over these places. Names repeat (the same
// static function in many files), so there is one key per distinct text, and the symbols are
// dealt into place by the rank of their text, in storage order among equals.
void SymtabDataSourcePrivate::computeRanks() const
{
    const size_t count = symbols.size();
    // The last components and their hashes are found in a few parts at once (reading every
    // name), then numbered in one pass whose table look-ups are fetched ahead.
    std::vector<uint64_t> hashes(count);
    std::vector<uint32_t> componentStart(count);
    const auto hashPart = [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            const SymSymbol &s = symbols[i];
            const QByteArrayView name = texts.text(s.nameRef, s.nameLength);
            const QByteArrayView text = lastComponent(name);
            componentStart[i] = uint32_t(name.size() - text.size());
            hashes[i] = hashBytes(text);
        }
    };
    inParts(count, hashPart);
    std::vector<uint32_t> textOf(count);
    std::vector<uint32_t> textRank;
    {
        DistinctTexts distinct;
        constexpr size_t kAhead = 16;
        for (size_t i = 0; i < count; ++i) {
            if (i + kAhead < count)
                __builtin_prefetch(distinct.slotOf(hashes[i + kAhead]));
            if (i + kAhead / 2 < count)
                distinct.prefetchText(hashes[i + kAhead / 2]);
            const SymSymbol &s = symbols[i];
            const QByteArrayView text =
                texts.text(s.nameRef, s.nameLength).sliced(componentStart[i]);
            textOf[i] = distinct.number(text, hashes[i]);
        }
        hashes = {};
        componentStart = {};
        std::vector<QString> distinctTexts;
        distinctTexts.reserve(distinct.size());
        for (uint32_t id = 0; id < distinct.size(); ++id)
            distinctTexts.push_back(QString::fromLatin1(distinct.text(id)));
        textRank = NavListItem::collationRanks(distinctTexts);
    }
    std::vector<uint32_t> start(textRank.size() + 1);
    for (size_t i = 0; i < count; ++i)
        ++start[textRank[textOf[i]] + 1];
    for (size_t r = 1; r < start.size(); ++r)
        start[r] += start[r - 1];
    rankOrder.assign(count, 0);
    angleRanks.clear();
    for (size_t i = 0; i < count; ++i) {
        const uint32_t place = start[textRank[textOf[i]]]++;
        rankOrder[place] = SymbolIndex(i);
        SymSymbol &s = const_cast<SymSymbol &>(symbols[i]);
        s.rank = place;
        if (s.flags & SymSymbol::kAngleName)
            angleRanks.push_back(place);
    }
    std::sort(angleRanks.begin(), angleRanks.end());
    ranksValid = true;
}

bool SymtabDataSourcePrivate::checkPattern(const SymbolPattern &pattern) const
{
    if (pattern.kind() != SymbolPattern::Kind::Invalid)
        return true;
    if (patternError.isEmpty())
        patternError = pattern.errorString();
    return false;
}

void SymtabDataSourcePrivate::noteGaveUp(
    std::initializer_list<const SymbolPattern *> patterns) const
{
    for (const SymbolPattern *pattern : patterns) {
        if (pattern->engineGaveUp() && patternError.isEmpty())
            patternError = QCoreApplication::translate(
                "SymtabDataSource", "The pattern is too complex to test against some names: "
                                    "they may be missing from the list.");
    }
}

bool SymtabDataSourcePrivate::listed(const SymSymbol &s, const SymbolQuery &query,
                                     const SymbolPattern &namePattern, bool variables) const
{
    if (bool(s.flags & SymSymbol::kVariable) != variables || !scopeShown(s, query))
        return false;
    const QByteArrayView name = texts.text(s.nameRef, s.nameLength);
    if (!query.showLibrarySymbols && name.startsWith('_'))
        return false;
    const QByteArrayView matched = variables ? lastComponent(name) : name;
    return (s.flags & SymSymbol::kLineBreakBytes) ? namePattern.matches(matched)
                                                  : namePattern.matchesPlainName(matched);
}

// The symbols listed, as bits by index, found by reading the text arena block by block for the
// pattern's key segment: a million names are then read at memory speed rather than one by one.
// A position found leads to the name holding it (references grow with the index), which is
// tested whole; the search then goes on after that name.
void SymtabDataSourcePrivate::scanBlocks(const SymbolQuery &query, const SymbolPattern &namePattern,
                                         bool variables, size_t firstBlock, size_t endBlock,
                                         std::vector<uint64_t> &bits) const
{
    using tesk::symbols::TextArena;
    const size_t n = symbols.size();
    const auto start = [this](size_t i) { return TextArena::position(symbols[i].nameRef); };
    // The last name starting at or before the first block (or the first name): every position
    // still to come is then at or after the cursor's name.
    size_t cursor = 0;
    {
        const uint64_t first = TextArena::position(firstBlock, 0);
        size_t lo = 0, hi = n;
        while (hi - lo > 1) {
            const size_t mid = lo + (hi - lo) / 2;
            (start(mid) <= first ? lo : hi) = mid;
        }
        cursor = lo;
    }
    constexpr size_t kChunk = tesk::symbols::ChunkedStore<SymSymbol>::kChunk;
    for (size_t b = firstBlock; b < endBlock; ++b) {
        const QByteArrayView block = texts.block(b);
        const uint64_t blockStart = TextArena::position(b, 0);
        qsizetype at = 0;
        while (at < block.size() && (at = namePattern.findKeySegment(block, at)) >= 0) {
            const uint64_t pos = blockStart + uint64_t(at);
            // The last name starting at or before the position. A hit mostly lies a few names
            // on, stepped over one by one in the cursor's chunk (whose symbols lie side by
            // side); farther ones are galloped to.
            size_t lo = cursor;
            {
                const SymSymbol *near = &symbols[lo];
                const size_t room = std::min({kChunk - 1 - lo % kChunk, n - 1 - lo, size_t(8)});
                size_t k = 0;
                while (k < room && TextArena::position(near[k + 1].nameRef) <= pos)
                    ++k;
                lo += k;
            }
            if (lo + 1 < n && start(lo + 1) <= pos) {
                size_t hi = lo + 1, step = 1;
                while (hi < n && start(hi) <= pos) {
                    lo = hi;
                    step *= 2;
                    hi = lo + step;
                }
                hi = std::min(hi, n);
                while (hi - lo > 1) {
                    const size_t mid = lo + (hi - lo) / 2;
                    (start(mid) <= pos ? lo : hi) = mid;
                }
            }
            cursor = lo;
            const SymSymbol &s = symbols[cursor];
            const uint64_t nameStart = TextArena::position(s.nameRef);
            const uint64_t end = nameStart + s.nameLength;
            if (pos >= end || pos < nameStart) {
                // In an address text, or in bytes of no text.
                ++at;
                continue;
            }
            // A text lies whole in one block: the name holding the position starts in this one.
            const qsizetype next = qsizetype(end - blockStart);
            if (s.flags & SymSymbol::kDetached) {
                // Of a replaced module: listed nowhere, whatever else the name holds.
                at = next;
                continue;
            }
            const bool found = !variables && namePattern.keySegmentDecides() &&
                               !(s.flags & SymSymbol::kLineBreakBytes) &&
                               pos + uint64_t(namePattern.keySegmentSize()) <= end;
            if (found ? !(s.flags & SymSymbol::kVariable) && scopeShown(s, query) &&
                            (query.showLibrarySymbols ||
                             block[qsizetype(nameStart - blockStart)] != '_')
                      : listed(s, query, namePattern, variables))
                bits[cursor / 64] |= uint64_t(1) << (cursor % 64);
            at = next;
        }
    }
}

// A large arena is read in a few parts at once, each part's blocks by a thread of its own into
// bits of its own (neighbouring parts share words at their edges), then joined.
std::vector<uint64_t> SymtabDataSourcePrivate::scanNames(const SymbolQuery &query,
                                                         const SymbolPattern &namePattern,
                                                         bool variables) const
{
    const size_t n = symbols.size();
    std::vector<uint64_t> bits((n + 63) / 64);
    if (!n)
        return bits;
    const size_t blocks = texts.blockCount();
    constexpr size_t kBlocksPerPart = 4;
    const size_t parts =
        std::min<size_t>({size_t(std::max(1u, std::thread::hardware_concurrency())), 4,
                          (blocks + kBlocksPerPart - 1) / kBlocksPerPart});
    if (parts <= 1) {
        scanBlocks(query, namePattern, variables, 0, blocks, bits);
        return bits;
    }
    std::vector<std::vector<uint64_t>> partBits(parts - 1);
    std::vector<std::exception_ptr> failures(parts - 1);
    std::vector<std::thread> threads;
    const auto edge = [blocks, parts](size_t part) { return blocks * part / parts; };
    try {
        for (size_t part = 1; part < parts; ++part) {
            threads.emplace_back([&, part] {
                try {
                    std::vector<uint64_t> &own = partBits[part - 1];
                    own.assign(bits.size(), 0);
                    scanBlocks(query, namePattern, variables, edge(part), edge(part + 1), own);
                } catch (...) {
                    // Out of memory in a name test: handed to the caller, as without threads.
                    failures[part - 1] = std::current_exception();
                }
            });
        }
    } catch (const std::system_error &) {
        // No more threads to be had: the parts not started are read here.
        for (size_t part = threads.size() + 1; part < parts; ++part)
            scanBlocks(query, namePattern, variables, edge(part), edge(part + 1), bits);
    }
    std::exception_ptr failure;
    try {
        scanBlocks(query, namePattern, variables, 0, edge(1), bits);
    } catch (...) {
        failure = std::current_exception();
    }
    for (std::thread &thread : threads)
        thread.join();
    for (const std::exception_ptr &f : failures)
        failure = failure ? failure : f;
    if (failure)
        std::rethrow_exception(failure);
    for (size_t part = 0; part < threads.size(); ++part) {
        const std::vector<uint64_t> &own = partBits[part];
        for (size_t w = 0; w < bits.size(); ++w)
            bits[w] |= own[w];
    }
    return bits;
}

void SymtabDataSourcePrivate::searchSymbols(const SymbolQuery &query, bool variables,
                                            std::vector<SymbolIndex> &result) const
{
    const SymbolPattern imagePattern(query.imagePattern);
    const SymbolPattern modulePattern(query.modulePattern);
    const SymbolPattern namePattern(query.namePattern);
    if (!checkPattern(imagePattern) || !checkPattern(modulePattern) || !checkPattern(namePattern))
        return;
    searchWith(query, variables, imagePattern, modulePattern, namePattern, result);
    noteGaveUp({&imagePattern, &modulePattern, &namePattern});
}

void SymtabDataSourcePrivate::searchWith(const SymbolQuery &query, bool variables,
                                         const SymbolPattern &imagePattern,
                                         const SymbolPattern &modulePattern,
                                         const SymbolPattern &namePattern,
                                         std::vector<SymbolIndex> &result) const
{
    // Over every module the arena is read in one pass; a few modules are read name by name.
    const bool scan = namePattern.hasKeySegment() && imagePattern.matchesEverything() &&
                      modulePattern.matchesEverything();
    std::vector<uint64_t> hits =
        scan ? scanNames(query, namePattern, variables) : std::vector<uint64_t>();
    // The scan leaves out symbols of replaced modules itself: in name order the tree need
    // not be walked at all.
    if (scan && query.byName) {
        listByName(hits, query.nameOrder, result);
        return;
    }
    if (query.byName)
        hits.assign((symbols.size() + 63) / 64, 0);
    for (const SymImage *image : images) {
        if (!imagePattern.matches(image->name.toLatin1()))
            continue;
        for (const SymModule *module : image->modules) {
            if (!modulePattern.matches(module->name.toLatin1()))
                continue;
            for (SymbolIndex index : variables ? module->variables : module->functions) {
                const bool hit = scan ? (hits[index / 64] >> (index % 64)) & 1
                                      : listed(symbols[index], query, namePattern, variables);
                if (hit && query.byName)
                    hits[index / 64] |= uint64_t(1) << (index % 64);
                else if (hit)
                    result.push_back(index);
            }
        }
    }
    if (query.byName)
        listByName(hits, query.nameOrder, result);
}

// The symbols of a bit set in name order by one walk over the collation order: the names that
// start with "<" first (they are few), then the rest.
void SymtabDataSourcePrivate::listByName(std::vector<uint64_t> &hits, Qt::SortOrder order,
                                         std::vector<SymbolIndex> &result) const
{
    if (!ranksValid)
        computeRanks();
    const bool descending = order == Qt::DescendingOrder;
    // Few rows: their places compared cost less than a walk over every place.
    size_t found = 0;
    for (const uint64_t word : hits)
        found += size_t(__builtin_popcountll(word));
    if (found < rankOrder.size() / 64) {
        const size_t first = result.size();
        for (size_t w = 0; w < hits.size(); ++w) {
            for (uint64_t word = hits[w]; word; word &= word - 1)
                result.push_back(SymbolIndex(w * 64 + size_t(__builtin_ctzll(word))));
        }
        std::sort(result.begin() + qsizetype(first), result.end(),
                  [this, descending](SymbolIndex a, SymbolIndex b) {
                      const SymSymbol &sa = symbols[a], &sb = symbols[b];
                      const bool angleA = sa.flags & SymSymbol::kAngleName;
                      const bool angleB = sb.flags & SymSymbol::kAngleName;
                      if (angleA != angleB)
                          return angleA;
                      return descending ? sa.rank > sb.rank : sa.rank < sb.rank;
                  });
        return;
    }
    const auto take = [&hits](SymbolIndex index) {
        uint64_t &word = hits[index / 64];
        const uint64_t bit = uint64_t(1) << (index % 64);
        const bool set = word & bit;
        word &= ~bit;
        return set;
    };
    const size_t angles = angleRanks.size();
    for (size_t i = 0; i < angles; ++i) {
        const SymbolIndex index = rankOrder[angleRanks[descending ? angles - 1 - i : i]];
        if (take(index))
            result.push_back(index);
    }
    const size_t count = rankOrder.size();
    if (descending) {
        for (size_t r = count; r-- > 0;) {
            const SymbolIndex index = rankOrder[r];
            if ((hits[index / 64] >> (index % 64)) & 1)
                result.push_back(index);
        }
    } else {
        for (size_t r = 0; r < count; ++r) {
            const SymbolIndex index = rankOrder[r];
            if ((hits[index / 64] >> (index % 64)) & 1)
                result.push_back(index);
        }
    }
}

void SymtabDataSourcePrivate::reset()
{
    images.clear();
    ownedModules.clear();
    ownedImages.clear();
    symbols.clear();
    texts.clear();
    overflowWords.clear();
    rankOrder = {};
    angleRanks = {};
    ranksValid = true;
    lastModule = nullptr;
}

namespace {
// Every source alive, in plain memory: those no pane owns are the library's to free at the unload.
std::unordered_set<SymtabDataSource *> *g_sources = nullptr;
} // namespace

SymtabDataSource::SymtabDataSource(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<SymtabDataSourcePrivate>())
{
    if (!g_sources)
        g_sources = new std::unordered_set<SymtabDataSource *>;
    g_sources->insert(this);
}

SymtabDataSource::~SymtabDataSource()
{
    if (g_sources)
        g_sources->erase(this);
    emit aboutToClear();
}

void SymtabDataSource::endUnowned()
{
    if (!g_sources)
        return;
    const std::unordered_set<SymtabDataSource *> live = *g_sources;
    for (SymtabDataSource *source : live) {
        if (source->parent())
            continue;
        // Nobody listens any more, and at the process's end the statics a signal would pass
        // through (the inspector's hooks) have gone: the source goes without a word.
        // One the host destroyed from inside its update waits for the event loop, watched by
        // the lifetime's state, which the process's end may have taken already.
        source->blockSignals(true);
        source->disconnect();
        delete source;
    }
    // A source a pane still owns goes with its pane, which may outlive the library at the
    // process's end; the list does not, or nothing would reach it once the library is unmapped.
    delete std::exchange(g_sources, nullptr);
}

void SymtabDataSource::setVdata(TeskHandle vdata)
{
    d->vdata = vdata;
}

TeskHandle SymtabDataSource::vdata() const
{
    return d->vdata;
}

void SymtabDataSource::setHandler(CuiSymtabHostFn handler)
{
    d->handler = handler;
}

void SymtabDataSource::update()
{
    if (!d->handler) {
        d->handler = CuiFunctionRegistry::instance()->function<CuiSymtabHostFn>(
            QStringLiteral("symtabdatasource"));
    }
    // A host that asks again from inside its answer would recurse without end.
    if (!d->handler || d->updating)
        return;
    d->updating = true;
    // The host knows the source by the handle it was given, never by its address; it may
    // destroy the source from inside its answer.
    const CuiSymtabHostFn handler = d->handler;
    const auto handle = reinterpret_cast<TeskHandle>(tesk::handles::add(this));
    const TeskHandle vdata = d->vdata;
    const auto ask = [&] {
        return tesk::lifetime::callHost(this, [&] { handler(0, handle, vdata, nullptr, 0); });
    };
    if (!ask())
        return;
    // Emptying the tree halfway through the answer would lose what came before. The host
    // asked for its tables afresh, so they are read once more; a clear asked for meanwhile is
    // served by that reading.
    if (d->clearHeld) {
        clearNow();
        if (!ask())
            return;
        d->clearHeld = false;
    }
    d->updating = false;
    if (!d->ranksValid)
        d->computeRanks();
    // Vectors grown record by record give back what they reserved beyond their size.
    for (const auto &module : d->ownedModules) {
        module->functions.shrink_to_fit();
        module->variables.shrink_to_fit();
    }
}

void SymtabDataSource::clear()
{
    if (d->updating)
        d->clearHeld = true;
    else
        clearNow();
}

void SymtabDataSource::clearNow()
{
    d->clearHeld = false;
    emit aboutToClear();
    d->reset();
}

void SymtabDataSource::addImage(QByteArrayView text)
{
    const QString name = QString::fromLatin1(text);
    if (d->images.contains(name))
        return;
    d->ownedImages.push_back(std::make_unique<SymImage>());
    SymImage *image = d->ownedImages.back().get();
    image->name = name;
    d->images.insert(name, image);
}

void SymtabDataSource::addModule(QByteArrayView text)
{
    using namespace tesk::symbols;
    const RecordFields f = splitRecord(text, kModuleFields);
    SymImage *image = d->findImage(f[0]);
    if (!image)
        return;
    d->ownedModules.push_back(std::make_unique<SymModule>());
    SymModule *module = d->ownedModules.back().get();
    module->image = image;
    module->name = QString::fromLatin1(f[1]);
    module->file = QString::fromLatin1(f[2]);
    // The module replaced keeps its symbols in the store but out of every list.
    if (SymModule *replaced = image->modules.value(module->name, nullptr)) {
        for (const auto *list : {&replaced->functions, &replaced->variables}) {
            for (SymbolIndex index : *list)
                const_cast<SymSymbol &>(d->symbols[index]).flags |= SymSymbol::kDetached;
        }
    }
    image->modules.insert(module->name, module);
    d->lastModule = nullptr;
}

void SymtabDataSource::addFunction(QByteArrayView text)
{
    d->addSymbol(text, false);
}

void SymtabDataSource::addVariable(QByteArrayView text)
{
    d->addSymbol(text, true);
}

void SymtabDataSource::dumpTree() const
{
    const char *indent = "      ";
    for (const SymImage *image : d->images) {
        for (const SymModule *module : image->modules) {
            qDebug("Function count = %d ", int(module->functions.size()));
            qDebug("Variable count = %d ", int(module->variables.size()));
            for (const auto *list : {&module->functions, &module->variables}) {
                const char *kind = list == &module->functions ? "F" : "V";
                for (SymbolIndex index : *list) {
                    const SymSymbol &s = symbol(index);
                    qDebug("%s %s: %s %s %s %s", indent, kind,
                           nameBytes(s).toByteArray().constData(),
                           address(s).toLatin1().constData(), scopeWord(s).constData(),
                           scopeText(s).toLatin1().constData());
                }
            }
        }
    }
}

bool SymtabDataSource::searchImages(const QString &imagePattern,
                                    std::vector<SymImage *> &result) const
{
    d->patternError.clear();
    const SymbolPattern pattern(imagePattern);
    if (!d->checkPattern(pattern))
        return true;
    for (SymImage *image : d->images) {
        if (pattern.matches(image->name.toLatin1()))
            result.push_back(image);
    }
    d->noteGaveUp({&pattern});
    return true;
}

bool SymtabDataSource::searchModules(const QString &imagePattern, const QString &modulePattern,
                                     std::vector<SymModule *> &result) const
{
    d->patternError.clear();
    const SymbolPattern images(imagePattern);
    const SymbolPattern modules(modulePattern);
    if (!d->checkPattern(images) || !d->checkPattern(modules))
        return true;
    for (const SymImage *image : d->images) {
        if (!images.matches(image->name.toLatin1()))
            continue;
        for (SymModule *module : image->modules) {
            if (modules.matches(module->name.toLatin1()))
                result.push_back(module);
        }
    }
    d->noteGaveUp({&images, &modules});
    return true;
}

bool SymtabDataSource::searchFunctions(const SymbolQuery &query,
                                       std::vector<SymbolIndex> &result) const
{
    d->patternError.clear();
    d->searchSymbols(query, false, result);
    return true;
}

bool SymtabDataSource::searchVariables(const SymbolQuery &query,
                                       std::vector<SymbolIndex> &result) const
{
    d->patternError.clear();
    d->searchSymbols(query, true, result);
    return true;
}

QString SymtabDataSource::patternError() const
{
    return d->patternError;
}

void SymtabDataSource::sortByName(std::vector<SymbolIndex> &rows, Qt::SortOrder order) const
{
    if (!d->ranksValid)
        d->computeRanks();
    const size_t count = d->symbols.size();
    const bool descending = order == Qt::DescendingOrder;
    // Few rows: compare their places. Many: mark their places and walk all places once.
    if (rows.size() < count / 16) {
        std::sort(rows.begin(), rows.end(), [this, descending](SymbolIndex a, SymbolIndex b) {
            const SymSymbol &sa = symbol(a), &sb = symbol(b);
            const bool angleA = sa.flags & SymSymbol::kAngleName;
            const bool angleB = sb.flags & SymSymbol::kAngleName;
            if (angleA != angleB)
                return angleA;
            return descending ? sa.rank > sb.rank : sa.rank < sb.rank;
        });
        return;
    }
    // 1 marks a row, 2 a row that sorts first; the walk then reads nothing but the marks.
    std::vector<uint8_t> marked(count);
    bool angles = false;
    for (SymbolIndex index : rows) {
        const SymSymbol &s = symbol(index);
        const bool angle = s.flags & SymSymbol::kAngleName;
        marked[s.rank] = angle ? 2 : 1;
        angles = angles || angle;
    }
    size_t out = 0;
    for (const uint8_t mark : {uint8_t(2), uint8_t(1)}) {
        if (mark == 2 && !angles)
            continue;
        for (size_t i = 0; i < count; ++i) {
            const size_t r = descending ? count - 1 - i : i;
            if (marked[r] == mark)
                rows[out++] = d->rankOrder[r];
        }
    }
}

size_t SymtabDataSource::symbolCount() const
{
    return d->symbols.size();
}

const SymSymbol &SymtabDataSource::symbol(SymbolIndex index) const
{
    return d->symbols[index];
}

QByteArrayView SymtabDataSource::nameBytes(const SymSymbol &symbol) const
{
    return d->texts.text(symbol.nameRef, symbol.nameLength);
}

QString SymtabDataSource::name(const SymSymbol &symbol) const
{
    return QString::fromLatin1(nameBytes(symbol));
}

QString SymtabDataSource::address(const SymSymbol &symbol) const
{
    if (symbol.flags & SymSymbol::kNumericAddress)
        return QLatin1String("0x") + QString::number(symbol.address, 16);
    return QString::fromLatin1(
        d->texts.text(uint32_t(symbol.address), uint32_t(symbol.address >> 32)));
}

QByteArray SymtabDataSource::scopeWord(const SymSymbol &symbol) const
{
    if (symbol.scopeWord != kOverflowWord)
        return d->scopeWords[symbol.scopeWord];
    return d->overflowWords.value(&symbol);
}

QString SymtabDataSource::scopeText(const SymSymbol &symbol)
{
    const bool variable = symbol.flags & SymSymbol::kVariable;
    switch (symbol.scopeCode) {
    case kScopePublic:
        return QObject::tr("Public");
    case kScopeStatic:
        return QObject::tr("Static");
    case kScopeLabel:
        return QObject::tr("Label");
    case kScopeLocal:
        return variable ? QObject::tr("Local") : QObject::tr("Unknown");
    }
    return QObject::tr("Unknown");
}
