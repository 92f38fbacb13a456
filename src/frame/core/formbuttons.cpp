#include "frame/core/formbuttons.h"

#include <QBoxLayout>
#include <QPushButton>

QPushButton *addFormButton(QWidget *form, QBoxLayout *row, const char *objectName, bool isDefault)
{
    auto *button = new QPushButton(form);
    button->setObjectName(QLatin1String(objectName));
    button->setDefault(isDefault);
    row->addWidget(button);
    return button;
}
