#include "platform/shell/modal_card_window.h"

#include "platform/contract/object_id.h"
#include "platform/contract/vx_card.h"

#include <QPointer>
#include <QVBoxLayout>

namespace shell {
namespace {

// What the card holds: it tells the window, if the window is still there.
class CardWindowHandle final : public vx::VxShowVxObject {
public:
    CardWindowHandle(ModalCardWindow* window, std::function<void()> done) : window_(window), done_(std::move(done)) {}
    void UnloadShowVxObject() override
    {
        if (window_)
            done_();
    }

private:
    QPointer<ModalCardWindow> window_;
    std::function<void()> done_;
};

vx::VxCard* cardOf(QWidget* widget)
{
    return dynamic_cast<vx::VxCard*>(widget);
}

} // namespace

ModalCardWindow::ModalCardWindow(const vx::CardRef& card, QWidget* parent) : QDialog(parent), card_(card.widget)
{
    setObjectName(QStringLiteral("frmModalCard"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (card_) {
        card_->setParent(this);
        layout->addWidget(card_);
        setWindowTitle(card_->windowTitle());
        // Each card's window keeps its own size.
        setProperty("sizeKey", card_->objectName());
    }
    resize(720, 520);
}

ModalCardWindow::~ModalCardWindow() = default;

bool ModalCardWindow::handOver()
{
    vx::VxCard* card = cardOf(card_);
    return card && card->setShowVxObject(std::make_shared<CardWindowHandle>(this, [this] { cardDone(); }));
}

vx::RecordsetPtr ModalCardWindow::savedRecord() const
{
    const vx::VxCard* card = cardOf(card_);
    const vx::VxObjectUIOPtr editor = card ? card->vxObjectUIO() : nullptr;
    if (!editor || !vx::oid::hasRecord(editor->OIDR()))
        return nullptr;
    auto saved = vx::Recordset::create({{QStringLiteral("OIDR"), vx::FieldType::Text},
                                        {QStringLiteral("Preview"), vx::FieldType::Text}});
    saved->appendRow({editor->OIDR(), editor->Preview()});
    saved->MoveFirst();
    return saved;
}

void ModalCardWindow::cardDone()
{
    if (savedRecord())
        accept();
}

void ModalCardWindow::reject()
{
    vx::VxCard* card = cardOf(card_);
    if (!card || card->QueryRemove())
        QDialog::reject();
}

} // namespace shell
