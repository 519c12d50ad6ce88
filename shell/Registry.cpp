#include "Registry.h"

#include <QSettings>
#include <QVariant>

namespace shell {

const QString kOrganization = QStringLiteral("Quorvane");
const QString kApplication = QStringLiteral("Quorvane2");

// The store is opened afresh for every value, as each read or write stands
// alone; QSettings keeps the parsed file cached between them.
QString GetRegString(const QString& valueName, const QString& defaultText) {
    const QSettings store(kOrganization, kApplication);
    const QVariant value = store.value(valueName);
    // A hand-edited file can hold a list ("a,b") or a typed value
    // ("@Variant(...)"); only plain text counts, as only text is ever stored.
    if (value.typeId() != QMetaType::QString) {
        return defaultText;
    }
    // Text ends at its first NUL character, as a C string would.
    const QString text = value.toString();
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

void SaveRegString(const QString& valueName, const QString& text) {
    QSettings store(kOrganization, kApplication);
    store.setValue(valueName, text);
    store.sync();
}

} // namespace shell
