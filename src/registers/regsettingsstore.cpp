#include "registers/regsettingsstore.h"

#include <tesk/tesk_persistence.h>

#include <mosk/mosk.hpp>

#include <QDebug>
#include <QStringList>

namespace tesk::registers {

namespace {

// One reference of a broker object, released with the holder.
template<typename T>
class Ref
{
public:
    Ref() = default;
    ~Ref() { mosk::release(m_object); }
    Ref(const Ref &) = delete;
    Ref &operator=(const Ref &) = delete;

    T *get() const { return m_object; }
    T **out() { return &m_object; }
    void **outVoid() { return reinterpret_cast<void **>(&m_object); }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T *m_object = nullptr;
};

// The store, or nothing when the host registered none.
void openStore(Ref<TeskPersistence> &store)
{
    MoskBroker *broker = moskGetObjectBroker();
    if (!broker->ops->hasComponent(broker, TESK_PERSISTENCE_CATEGORY, TESK_PERSISTENCE_COMPONENT))
        return;
    Ref<MoskBase> component;
    mosk::ThrowError{broker->ops->getComponent(broker, TESK_PERSISTENCE_CATEGORY,
                                               TESK_PERSISTENCE_COMPONENT, component.outVoid())};
    if (component)
        mosk::ThrowError{component.get()->ops->QueryInterface(component.get(), store.outVoid(),
                                                              TESK_IID_PERSISTENCE, 0)};
}

template<typename T>
void factory(const char *id, Ref<T> &out)
{
    MoskBroker *broker = moskGetObjectBroker();
    mosk::ThrowError{broker->ops->getComponent(broker, MOSK_FACTORY_CATEGORY, id, out.outVoid())};
    moskThrowIfFalse(out.get() != nullptr);
}

void report(const mosk::ThrowError::Exception &e)
{
    qDebug().noquote() << "Register settings: broker error" << e.code() << e.what();
}

} // namespace

QMap<QString, QString> readSettings(const QString &key, const QStringList &names)
{
    QMap<QString, QString> values;
    try {
        Ref<TeskPersistence> store;
        openStore(store);
        if (!store)
            return values;
        Ref<MoskDictionary> record;
        const QByteArray keyText = key.toLatin1();
        mosk::ThrowError{store.get()->ops->read(store.get(), keyText.constData(), record.out())};
        if (!record)
            return values;
        for (const QString &name : names) {
            Ref<MoskValue> value;
            const QByteArray nameText = name.toLatin1();
            record.get()->ops->get(record.get(), nameText.constData(), value.out());
            if (!value)
                continue;
            const char *text = nullptr;
            mosk::ThrowError{value.get()->ops->getText(value.get(), &text)};
            values.insert(name, QString::fromLatin1(text ? text : ""));
        }
    } catch (const mosk::ThrowError::Exception &e) {
        report(e);
        values.clear();
    }
    return values;
}

bool writeSettings(const QString &key, const QMap<QString, QString> &values)
{
    try {
        Ref<TeskPersistence> store;
        openStore(store);
        if (!store)
            return false;
        Ref<MoskDictionaryFactory> dictionaries;
        Ref<MoskValueFactory> valueFactory;
        factory(MOSK_DICTIONARY_FACTORY, dictionaries);
        factory(MOSK_VALUE_FACTORY, valueFactory);
        Ref<MoskDictionary> record;
        mosk::ThrowError{
            dictionaries.get()->ops->createDictionary(dictionaries.get(), record.out())};
        moskThrowIfFalse(record.get() != nullptr);
        for (auto it = values.begin(); it != values.end(); ++it) {
            Ref<MoskValue> value;
            const QByteArray text = it.value().toLatin1();
            mosk::ThrowError{valueFactory.get()->ops->createValue(valueFactory.get(),
                                                                  text.constData(), value.out())};
            const QByteArray name = it.key().toLatin1();
            mosk::ThrowError{record.get()->ops->set(record.get(), name.constData(), value.get())};
        }
        const QByteArray keyText = key.toLatin1();
        mosk::ThrowError{store.get()->ops->write(store.get(), keyText.constData(), record.get())};
        return true;
    } catch (const mosk::ThrowError::Exception &e) {
        report(e);
        return false;
    }
}

} // namespace tesk::registers
