#pragma once

#include <QtGlobal>

#include <map>

class RegData;
struct RegDataRecord;

// The process-wide register data sets by id. Data sets 0 and 1 are built in: they stand for
// "no register context" and "no register context while running" and are never deleted.
class RegDataSets
{
public:
    static RegDataSets &instance();
    // Deletes every data set, the built-in ones too, once no pane shows any: the library
    // unloads.
    static void end();

    // False when a data set with the id exists already.
    bool create(quint32 id);
    bool exists(quint32 id) const { return m_sets.count(id) != 0; }
    // The data set of the id, or data set 0 when there is none.
    RegData *find(quint32 id) const;
    // The data set of exactly that id, or null.
    RegData *get(quint32 id) const;

    // 0 when no data set has exactly the id.
    int add(quint32 id, RegDataRecord &record);
    int update(quint32 id, const RegDataRecord &record);

    // Releases the data set of the id once; true when that deleted it. Id 0 is refused, and
    // so is a data set nobody acquired.
    bool release(quint32 id);
    // Releases the very data set the caller acquired (which need not be the one its id would
    // find now); built-in data sets are never deleted.
    bool release(RegData *acquired);

private:
    friend class RegData;

    RegDataSets();
    void makeBuiltIn(quint32 id, const char *placeholder);
    // A data set being deleted leaves the registry.
    void forget(RegData *data);
    static void forgetDeleted(RegData *data);

    std::map<quint32, RegData *> m_sets;
};
