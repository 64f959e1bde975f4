#include "controls/FormPlacement.h"

#include "controls/StrUtils.h"
#include "platform/Registry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace {

QScreen *ScreenOf(const QWidget *form)
{
    return form->screen() ? form->screen() : QGuiApplication::primaryScreen();
}

int PixelsPerInch(const QWidget *form)
{
    return qRound(ScreenOf(form)->logicalDotsPerInch());
}

QString ScreenSuffix(const QWidget *form)
{
    const QSize size = ScreenOf(form)->geometry().size();
    return QStringLiteral("(%1x%2)").arg(size.width()).arg(size.height());
}

// Four numbers separated by commas; a missing or bad one keeps its value.
void ReadFour(const QString &text, int values[4])
{
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const int v = NthWord(i + 1, text, QStringLiteral(",")).trimmed().toInt(&ok);
        if (ok)
            values[i] = v;
    }
}

QString ProgramName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace

bool TWinMinMaxInfo::IsEmpty() const
{
    return *this == TWinMinMaxInfo();
}

void WriteFormPlacement(QWidget *form, PlacementStorage &storage, const QString &section)
{
    const QRect normal =
        form->isMaximized() || form->isMinimized() ? form->normalGeometry() : form->geometry();
    const QRect r = normal.isValid() ? normal : form->geometry();
    const int showCmd = !form->isVisible() ? 0 : form->isMinimized() ? 2 : form->isMaximized() ? 3 : 1;
    const QString suffix = ScreenSuffix(form);
    const QString minMax = QStringLiteral("-1,-1,-1,-1");
    const QString norm = QStringLiteral("%1,%2,%3,%4")
                             .arg(r.left())
                             .arg(r.top())
                             .arg(r.left() + r.width())
                             .arg(r.top() + r.height());
    storage.WriteInteger(section, QStringLiteral("Flags"), 0);
    storage.WriteInteger(section, QStringLiteral("ShowCmd"), showCmd);
    storage.WriteInteger(section, QStringLiteral("PixelsPerInch"), PixelsPerInch(form));
    storage.WriteString(section, QStringLiteral("MinMaxPos") + suffix, minMax);
    storage.WriteString(section, QStringLiteral("MinMaxPos"), minMax);
    storage.WriteString(section, QStringLiteral("NormPos") + suffix, norm);
    storage.WriteString(section, QStringLiteral("NormPos"), norm);
}

void ReadFormPlacement(QWidget *form, PlacementStorage &storage, const QString &section, bool loadState,
                       bool loadPosition)
{
    if (loadPosition) {
        const QString suffix = ScreenSuffix(form);
        QString norm = storage.ReadString(section, QStringLiteral("NormPos") + suffix, QString());
        if (norm.isEmpty())
            norm = storage.ReadString(section, QStringLiteral("NormPos"), QString());
        const int ppi = PixelsPerInch(form);
        if (storage.ReadInteger(section, QStringLiteral("PixelsPerInch"), ppi) == ppi) {
            const QRect current = form->geometry();
            int v[4] = {current.left(), current.top(), current.left() + current.width(),
                        current.top() + current.height()};
            ReadFour(norm, v);
            QRect r(v[0], v[1], v[2] - v[0], v[3] - v[1]);
            if (form->minimumSize() == form->maximumSize())
                r.setSize(current.size());
            if (r.width() > 0)
                form->setGeometry(r);
        }
    }
    if (loadState) {
        Qt::WindowState state = form->isMaximized() ? Qt::WindowMaximized : Qt::WindowNoState;
        switch (storage.ReadInteger(section, QStringLiteral("ShowCmd"), 0)) {
        case 1:
        case 5:
        case 9: state = Qt::WindowNoState; break;
        case 2:
        case 6:
        case 7: state = Qt::WindowMinimized; break;
        case 3: state = Qt::WindowMaximized; break;
        default: break;
        }
        form->setWindowState(state);
    }
}

QString GetDefaultSection(const QObject *component)
{
    if (!component)
        return {};
    if (auto *widget = qobject_cast<const QWidget *>(component)) {
        if (widget->isWindow())
            return QString::fromLatin1(widget->metaObject()->className());
        const QWidget *form = widget->window();
        return QString::fromLatin1(form->metaObject()->className()) + widget->objectName();
    }
    if (const QObject *owner = component->parent(); owner && owner->isWidgetType())
        return QStringLiteral("%1.%2").arg(QString::fromLatin1(owner->metaObject()->className()),
                                           component->objectName());
    return component->objectName();
}

QString GetDefaultIniName()
{
    return QFileInfo(Registry::FileName()).absolutePath() + u'/' + ProgramName() + QStringLiteral(".INI");
}

QString GetDefaultIniRegKey()
{
    return QStringLiteral("Software\\") + ProgramName();
}

// ---------------------------------------------------------------- link

TPlacementLink::TPlacementLink(TPlacementStore *store) : QObject(store), store_(store)
{
    store->links_.append(this);
}

TPlacementLink::~TPlacementLink()
{
    if (store_)
        store_->links_.removeAll(this);
}

PlacementStorage *TPlacementLink::Storage() const
{
    return store_ ? store_->Storage() : nullptr;
}

QString TPlacementLink::RootSection() const
{
    const QString section = store_ ? store_->IniSection() : QString();
    return section.isEmpty() ? QString() : section + u'\\';
}

// ---------------------------------------------------------------- component

TPlacementStore::TPlacementStore(QWidget *form) : QObject(form), form_(form)
{
    if (!form->isWindow())
        options_ = 0;
    hook_.AfterMessage = [this](TExWindowHook *, QEvent *event, bool &) { FormEvent(event); };
    hook_.SetWinControl(form);
}

TPlacementStore::~TPlacementStore()
{
    // Runs while the form is being destroyed: its geometry is still there.
    if (form_ && active_ && !saved_)
        Save(true);
}

void TPlacementStore::FormEvent(QEvent *event)
{
    if (event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        if (active_)
            RestoreFormPlacement();
    } else if (event->type() == QEvent::Close && event->isAccepted() && active_) {
        SaveFormPlacement();
    }
}

QString TPlacementStore::IniSection() const
{
    return iniSection_.isEmpty() ? GetDefaultSection(form_) : iniSection_;
}

std::unique_ptr<PlacementStorage> TPlacementStore::OpenStorage(bool readOnly) const
{
    if (useRegistry_)
        return std::make_unique<RegistryStorage>(
            iniFileName_.isEmpty() ? GetDefaultIniRegKey() : iniFileName_, readOnly);
    QString name = iniFileName_.isEmpty() ? GetDefaultIniName() : iniFileName_;
    if (QFileInfo(name).isRelative())
        name = QFileInfo(Registry::FileName()).absolutePath() + u'/' + name;
    return std::make_unique<IniStorage>(name);
}

void TPlacementStore::SaveFormPlacement()
{
    Save(false);
}

void TPlacementStore::Save(bool destroying)
{
    // A placement that was never restored must not overwrite the stored one.
    if (!form_ || (active_ && !restored_))
        return;
    const bool opened = !storage_;
    if (opened)
        storage_ = OpenStorage(false);
    const QString section = IniSection();
    storage_->WriteInteger(section, QStringLiteral("FormVersion"), version_);
    if (options_ & (fpState | fpPosition)) {
        WriteFormPlacement(form_, *storage_, section);
        storage_->WriteInteger(section, QStringLiteral("Visible"), destroying ? 1 : 0);
    }
    if ((options_ & fpActiveControl) && form_->focusWidget())
        storage_->WriteString(section, QStringLiteral("ActiveControl"), form_->focusWidget()->objectName());
    for (TPlacementLink *link : std::as_const(links_))
        emit link->OnSave();
    emit OnSavePlacement();
    saved_ = true;
    if (opened)
        storage_.reset();
}

void TPlacementStore::RestoreFormPlacement()
{
    if (!form_)
        return;
    const bool opened = !storage_;
    if (opened)
        storage_ = OpenStorage(true);
    const QString section = IniSection();
    if (storage_->ReadInteger(section, QStringLiteral("FormVersion"), 0) >= version_) {
        ReadFormPlacement(form_, *storage_, section, options_ & fpState, options_ & fpPosition);
        for (TPlacementLink *link : std::as_const(links_))
            emit link->OnLoad();
        emit OnRestorePlacement();
        if (options_ & fpActiveControl) {
            const QString name = storage_->ReadString(section, QStringLiteral("ActiveControl"), QString());
            QWidget *control = name.isEmpty() ? nullptr : form_->findChild<QWidget *>(name);
            if (control && control->isEnabled() && control->focusPolicy() != Qt::NoFocus)
                control->setFocus();
        }
    }
    restored_ = true;
    if (opened)
        storage_.reset();
    ApplyMinMax();
}

QString TPlacementStore::ReadString(const QString &ident, const QString &def)
{
    if (storage_)
        return storage_->ReadString(IniSection(), ident, def);
    return OpenStorage(true)->ReadString(IniSection(), ident, def);
}

void TPlacementStore::WriteString(const QString &ident, const QString &value)
{
    if (storage_)
        storage_->WriteString(IniSection(), ident, value);
    else
        OpenStorage(false)->WriteString(IniSection(), ident, value);
}

int TPlacementStore::ReadInteger(const QString &ident, int def)
{
    bool ok = false;
    const int v = ReadString(ident, QString()).trimmed().toInt(&ok);
    return ok ? v : def;
}

void TPlacementStore::WriteInteger(const QString &ident, int value)
{
    WriteString(ident, QString::number(value));
}

void TPlacementStore::SetMinMaxInfo(const TWinMinMaxInfo &info)
{
    minMaxInfo_ = info;
    ApplyMinMax();
}

void TPlacementStore::SetPreventResize(bool prevent)
{
    if (prevent == preventResize_ || !form_)
        return;
    preventResize_ = prevent;
    const bool visible = form_->isVisible();
    if (prevent) {
        hadMaximizeButton_ = form_->windowFlags() & Qt::WindowMaximizeButtonHint;
        if (hadMaximizeButton_)
            form_->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    } else if (hadMaximizeButton_) {
        form_->setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    }
    // Changing window flags hides a window.
    if (visible && !form_->isVisible())
        form_->show();
    ApplyMinMax();
}

void TPlacementStore::ApplyMinMax()
{
    if (!form_)
        return;
    if (preventResize_) {
        form_->setFixedSize(form_->size());
        return;
    }
    const TWinMinMaxInfo &m = minMaxInfo_;
    form_->setMinimumSize(m.MinTrackWidth, m.MinTrackHeight);
    form_->setMaximumSize(m.MaxTrackWidth > 0 ? m.MaxTrackWidth : QWIDGETSIZE_MAX,
                          m.MaxTrackHeight > 0 ? m.MaxTrackHeight : QWIDGETSIZE_MAX);
}
