#include "results/Unit10.h"

#include "platform/cues.h"
#include "platform/design.h"
#include "platform/errorbox.h"
#include "core/random.h"
#include "ui_Unit10.h"

#include <QShowEvent>
#include <QTextBlockFormat>
#include <QTextCursor>

namespace {

// Lines as tall as the font itself, without the external leading, so ten rows fit the
// memo's height as they were designed to.
void SetMemoLines(QTextEdit* memo, const QString& text)
{
    memo->setPlainText(text);
    QTextBlockFormat format;
    format.setLineHeight(memo->fontMetrics().height(), QTextBlockFormat::FixedHeight);
    QTextCursor cursor(memo->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
}

}  // namespace

TForm10::TForm10(QWidget* owner) : GameWindow(owner, zk::kDialogFlags), ui(new Ui::TForm10)
{
    ui->setupUi(this);
    zk::SetUpDialog(this);

    // The memos are a display only: a click or the focus passes on to OK.
    for (QTextEdit* memo : {ui->Memo1, ui->Memo2}) {
        memo->document()->setDocumentMargin(2);
        const auto toOk = [this] { ui->Button1->setFocus(Qt::OtherFocusReason); };
        zk::MakeDisplayOnly(memo, toOk, toOk);
    }
    zk::ConnectGuarded(ui->Button1, &QAbstractButton::clicked, this, &TForm10::Button1Click);
    zk::ConnectGuarded(ui->Button2, &QAbstractButton::clicked, this, &TForm10::Button2Click);

    zk::Guarded([this] { FormCreate(); });
}

TForm10::~TForm10() { delete ui; }

void TForm10::clearMemos()
{
    shown_ = {};
    ui->Memo1->clear();
    ui->Memo2->clear();
}

void TForm10::ShowTopTen(int i)
{
    zk::ShowTopTen(shown_, i, TopTen[i - 1]);
    SetMemoLines(ui->Memo1, shown_.namesText());
    SetMemoLines(ui->Memo2, shown_.amountsText());
}

void TForm10::FormCreate()
{
    clearMemos();
    // Rows read before a failure stay on show.
    zk::ReadTopTen(QStringLiteral("best.dat"), [this](int i, const zk::TopTenEntry& entry) {
        TopTen[i - 1] = entry;
        ShowTopTen(i);
    });
}

void TForm10::FormShow()
{
    zk::Randomize();
    static const char* const cues[] = {"intro3.wav", "intro1.wav", "intro2.wav"};
    zk::PlayCue(QString::fromLatin1(cues[zk::Random(3)]));
}

void TForm10::FormClose() { zk::StopCue(); }

void TForm10::Button1Click() { close(); }

void TForm10::Button2Click()
{
    clearMemos();
    // Shown only once it is on disk: a table that failed to save is not the player's table.
    TopTen = zk::ResetTopTen();
    for (int i = 1; i <= zk::kTopTenRows; ++i)
        ShowTopTen(i);
}
