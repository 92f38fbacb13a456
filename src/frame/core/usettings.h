#pragma once

#include <QVariant>

#include <map>
#include <string>

// A small tree of named, typed values and its one-line text form, in which views hand their
// settings to the host to keep. Strings already stored by hosts depend on the text form byte
// for byte, including the cases it cannot carry (see settingsToString).
namespace usettings {

class KUniversalSettingsEntry;
using KUniversalSettingsChildren = std::map<std::string, KUniversalSettingsEntry *>;

struct KUniversalSettingsValue
{
    std::string name;
    QVariant value;
};

class KUniversalSettingsEntry
{
public:
    using iterator = KUniversalSettingsChildren::iterator;
    using const_iterator = KUniversalSettingsChildren::const_iterator;

    KUniversalSettingsEntry() = default;
    KUniversalSettingsEntry(const KUniversalSettingsEntry &) = delete;
    KUniversalSettingsEntry &operator=(const KUniversalSettingsEntry &) = delete;
    virtual ~KUniversalSettingsEntry();

    virtual void setName(const std::string &name);
    virtual std::string name();
    virtual void setString(const std::string &value);
    virtual std::string getString();
    virtual void setInt(int value);
    virtual int getInt();
    virtual void setULongLong(unsigned long long value);
    virtual unsigned long long getULongLong();
    // A plain entry has no children: begin equals end.
    virtual const_iterator begin() const { return const_iterator(); }
    virtual iterator begin() { return iterator(); }
    virtual const_iterator end() const { return const_iterator(); }
    virtual iterator end() { return iterator(); }
    virtual void createValue(KUniversalSettingsValue *&record);

    // Names used with the text form must hold neither "=" nor ":".
    static bool isValidName(const std::string &name);

    // The value as the text form writes it; does not create the value record.
    std::string valueText() const;

private:
    KUniversalSettingsValue &value();

    KUniversalSettingsValue *m_value = nullptr;
};

class KUniversalSettingsGroup : public KUniversalSettingsEntry
{
public:
    KUniversalSettingsGroup() = default;
    ~KUniversalSettingsGroup() override;

    using KUniversalSettingsEntry::getInt;
    using KUniversalSettingsEntry::getString;
    using KUniversalSettingsEntry::getULongLong;
    using KUniversalSettingsEntry::setInt;
    using KUniversalSettingsEntry::setString;
    using KUniversalSettingsEntry::setULongLong;

    const_iterator begin() const override { return m_children.begin(); }
    iterator begin() override { return m_children.begin(); }
    const_iterator end() const override { return m_children.end(); }
    iterator end() override { return m_children.end(); }

    // Setting a name always makes a new child; one of the same name is replaced.
    virtual void setString(const std::string &name, const std::string &value);
    virtual std::string getString(const std::string &name);
    virtual void setInt(const std::string &name, int value);
    virtual int getInt(const std::string &name);
    virtual void setULongLong(const std::string &name, unsigned long long value);
    virtual unsigned long long getULongLong(const std::string &name);
    virtual void createEntry(const std::string &name, KUniversalSettingsEntry *&entry);
    virtual void createGroup(const std::string &name, KUniversalSettingsEntry *&entry);
    virtual void addChild(KUniversalSettingsEntry *child);
    virtual void clear();

    KUniversalSettingsEntry *findChild(const std::string &name) const;

private:
    KUniversalSettingsEntry *newChild(const std::string &name);

    KUniversalSettingsChildren m_children;
};

class KUniversalSettings : public KUniversalSettingsGroup
{
public:
    KUniversalSettings() = default;
    ~KUniversalSettings() override;
};

// "1:" then "name=value:" for each child in name order; "#" in values becomes "##", then ":"
// becomes "#". A value that escaping would change is followed by "#=name=value:" with "#" as
// "##" and ":" as "#c", which readers of the first form pass over. Children of child groups
// are not written.
void settingsToString(const KUniversalSettingsGroup &group, std::string &text);
// Reads the text form into the group (values as strings), keeping children it does not name;
// a text without the "1:" header clears the group and answers false.
bool settingsFromString(KUniversalSettingsGroup &group, const std::string &text);

// Whether the first form writes the two values alike ("a:#b" and "a#:b"): a text of that form
// gives one for the other.
bool writtenAlike(const std::string &first, const std::string &second);

} // namespace usettings
