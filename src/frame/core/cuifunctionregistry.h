#pragma once

#include <QMap>
#include <QString>

// Host entry points published by name: single functions and tables of functions. The two
// maps are independent; a name may stand in both.
class CuiFunctionRegistry
{
public:
    using Function = void (*)();

    // Made on first use; ends when the library unloads.
    static CuiFunctionRegistry *instance();
    static void end();

    bool addFunction(const QString &name, Function fn);
    bool addVoidStar(const QString &name, void *data);
    Function getFunction(const QString &name) const;
    void *getVoidStar(const QString &name) const;
    bool removeFunction(const QString &name);
    bool removeVoidStar(const QString &name);

    template<typename Fn>
    Fn function(const QString &name) const
    {
        return reinterpret_cast<Fn>(getFunction(name));
    }

private:
    CuiFunctionRegistry() = default;

    QMap<QString, Function> m_functions;
    QMap<QString, void *> m_voidStars;
};
