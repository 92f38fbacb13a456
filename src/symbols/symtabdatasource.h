#pragma once
// The symbol table data source: the library's copy of the debugger's symbol tables, a tree
// image > module > symbol that the host fills record by record (include/tesk/tesk_symbols.h)
// and the data navigator searches.
//
// A source may hold millions of symbols, so a symbol is a small fixed record in chunked
// storage whose texts live in a text arena; searches answer index vectors. Nothing is freed
// before Clear (a replaced module stays where it was, out of the tree), so a list that holds
// results never points at freed symbols: it empties itself when the source says it clears.

#include <tesk/tesk_symbols.h>

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class SymImage;
class SymModule;
class SymtabDataSourcePrivate;

// Position of a symbol in its source's storage; stable until Clear.
using SymbolIndex = uint32_t;

// Scope codes: a function's 4 and a variable's 5 are words the source does not know.
enum SymScopeCode {
    kScopePublic = 1,
    kScopeStatic = 2,
    kScopeLabel = 3,
    kScopeLocal = 4,
};

// One function or variable. The texts are in the source's arena: read them through the source.
struct SymSymbol
{
    enum Flags : uint8_t {
        kVariable = 0x01,
        kNumericAddress = 0x02, // address is "0x" and the hex digits of `address`
        kLineBreakBytes = 0x04, // the name holds bytes a pattern's wildcard does not cross
        kAngleName = 0x08,      // the name starts with "<": such rows sort first
        kDetached = 0x10,       // of a module a later record replaced: in no list
    };

    SymModule *module = nullptr;
    uint32_t nameRef = 0;
    uint32_t nameLength = 0;
    uint64_t address = 0; // the value, or the arena reference (low) and length (high)
    uint32_t rank = 0;    // place of the name's last component in collation order
    uint16_t scopeWord = 0;
    int8_t scopeCode = 0;
    uint8_t flags = 0;
};

class SymModule
{
public:
    SymImage *image = nullptr;
    QString name;
    QString file;
    std::vector<SymbolIndex> functions;
    std::vector<SymbolIndex> variables;
};

class SymImage
{
public:
    QString name;
    QMap<QString, SymModule *> modules;
};

// What a function or variable search asks for.
struct SymbolQuery
{
    QString imagePattern;
    QString modulePattern;
    QString namePattern;
    bool showPublics = true;
    bool showStatics = true;
    bool showLabels = false;
    bool showLocals = false; // variables only
    bool showLibrarySymbols = false;
    // Results in name order, as sortByName puts them, rather than in tree order.
    bool byName = false;
    Qt::SortOrder nameOrder = Qt::AscendingOrder;
};

class SymtabDataSource : public QObject
{
    Q_OBJECT

public:
    explicit SymtabDataSource(QObject *parent = nullptr);
    ~SymtabDataSource() override;

    // At the unload: deletes every source no pane owns (one the host never destroyed).
    static void endUnowned();

    void setVdata(TeskHandle vdata);
    TeskHandle vdata() const;
    void setHandler(CuiSymtabHostFn handler);

    // Asks the host to fill the source: the registered "symtabdatasource" function, once
    // looked up, is called with request code 0; it calls the Add exports meanwhile.
    void update();
    // From inside the host's answer the tree is emptied when the answer is complete, and the
    // host asked once more.
    void clear();

    void addImage(QByteArrayView text);
    void addModule(QByteArrayView text);
    // Throw std::runtime_error when the image is known but the module is not.
    void addFunction(QByteArrayView text);
    void addVariable(QByteArrayView text);
    void dumpTree() const;

    // Results in tree order: images, then modules by name, then symbols as added. An invalid
    // pattern matches nothing; patternError() then says why (until the next search).
    bool searchImages(const QString &imagePattern, std::vector<SymImage *> &result) const;
    bool searchModules(const QString &imagePattern, const QString &modulePattern,
                       std::vector<SymModule *> &result) const;
    bool searchFunctions(const SymbolQuery &query, std::vector<SymbolIndex> &result) const;
    bool searchVariables(const SymbolQuery &query, std::vector<SymbolIndex> &result) const;
    QString patternError() const;

    // Reorders results by the last component of their names (collation order), rows whose
    // name starts with "<" first in either direction.
    void sortByName(std::vector<SymbolIndex> &rows, Qt::SortOrder order) const;

    size_t symbolCount() const;
    const SymSymbol &symbol(SymbolIndex index) const;
    QByteArrayView nameBytes(const SymSymbol &symbol) const;
    QString name(const SymSymbol &symbol) const;
    QString address(const SymSymbol &symbol) const;
    QByteArray scopeWord(const SymSymbol &symbol) const;
    // The shown scope: "Public", "Static", "Label", "Local" or "Unknown" (translated).
    static QString scopeText(const SymSymbol &symbol);

signals:
    // Before the tree is emptied or the source destroyed: drop every pointer and index.
    void aboutToClear();

private:
    void clearNow();

    std::unique_ptr<SymtabDataSourcePrivate> d;
};
