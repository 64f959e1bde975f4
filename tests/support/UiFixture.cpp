#include "support/UiFixture.h"

#include "core/BaseSchema.h"
#include "core/FDM.h"
#include "core/Settings.h"
#include "platform/Messages.h"
#include "platform/db/FbDatabase.h"
#include "ui/FLogFrm.h"
#include "ui/FMainForm.h"

#include <QApplication>

void ResetProcessSettings()
{
    SortOrder = 1;
    CzasLetni = true;
    OwnCallSign.clear();
    DateFrm = 0;
    DateTimeFormatIndex = 1;
    DateQSLFrm = 0;
    SetLocalClock(nullptr);
}

void UiFixture::SetUp()
{
    ResetProcessSettings();
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    qputenv("QUARN_SETTINGS", SettingsPath().toUtf8());
    qputenv("QUARN_DATABASE", DatabasePath().toUtf8());
    {
        FbDatabase db;
        db.Create(DatabasePath());
        BaseSchema::Create(db);
        db.Close();
    }
    Messages::setHandler([this](Messages::Kind kind, const QString &caption, const QString &text) {
        const bool confirm = kind == Messages::Kind::Confirm;
        Boxes.push_back({confirm, caption, text});
        return confirm ? ConfirmAnswer : true;
    });
    DM = new TDM;
    ASSERT_TRUE(DM->OpenDatabase());
}

void UiFixture::TearDown()
{
    delete LogFrm;
    LogFrm = nullptr;
    main_.reset();
    delete DM;
    DM = nullptr;
    Messages::setHandler({});
    ResetProcessSettings();
    qunsetenv("QUARN_DATABASE");
    dir_.reset();
}

std::vector<int> UiFixture::AddQsos(const std::vector<QsoRow> &rows)
{
    std::vector<int> ids = InsertQsos(DM->Baza, rows);
    DM->ReopenLogiOrdered(SortOrder, 0);
    return ids;
}

TMainForm &UiFixture::Main()
{
    if (!main_) {
        main_ = std::make_unique<TMainForm>();
        MainForm = main_.get();
        LogFrm = new TLogFrm(main_.get());
        main_->FormActivate();
    }
    return *main_;
}

int UiFixture::CurrentLogId() const
{
    DataSet &logi = DM->Logi;
    return logi.Active() && !logi.IsEmpty() ? logi.FieldByName(QStringLiteral("LOGID"))->AsInteger() : 0;
}

QString UiFixture::CurrentCall() const
{
    DataSet &logi = DM->Logi;
    return logi.Active() && !logi.IsEmpty() ? logi.FieldByName(QStringLiteral("STACJA"))->AsString()
                                            : QString();
}

QString UiFixture::DatabasePath() const
{
    return dir_->filePath(QStringLiteral("Log.dat"));
}

QString UiFixture::SettingsPath() const
{
    return dir_->filePath(QStringLiteral("Quarn.ini"));
}
