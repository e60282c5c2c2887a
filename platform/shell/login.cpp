#include "platform/shell/login.h"

#include "platform/bo/users.h"
#include "platform/shell/passwords.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {
namespace login {

QString logIn(bo::Session& session, const QString& loginName, const QString& password)
{
    // One answer for an unknown name and a wrong password: the dialog does not
    // tell a guesser which names exist.
    const QString refused = QStringLiteral("Neteisingas naudotojo vardas arba slaptažodis.");
    const bo::users::Account account = bo::users::find(session, loginName);
    if (account.id <= 0)
        return refused;
    const bool open = account.passwordHash.isEmpty() && password.isEmpty();
    if (!open && !passwords::matches(password, account.passwordHash))
        return refused;
    session.setUserId(account.id);
    return QString();
}

bool hasOpenAdmin(bo::Session& session)
{
    const bo::users::Account admin = bo::users::find(session, QStringLiteral("admin"));
    return admin.id > 0 && admin.passwordHash.isEmpty();
}

} // namespace login

LoginDialog::LoginDialog(bo::SessionPtr session, const QString& userName, QWidget* parent)
    : QDialog(parent), session_(std::move(session))
{
    setWindowTitle(QStringLiteral("Kelmira – prisijungimas"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    user_ = new QLineEdit(userName, this);
    user_->setObjectName(QStringLiteral("txtUser"));
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("txtPassword"));
    password_->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("&Naudotojas:"), user_);
    form->addRow(QStringLiteral("&Slaptažodis:"), password_);
    layout->addLayout(form);
    if (login::hasOpenAdmin(*session_)) {
        auto* hint = new QLabel(QStringLiteral("Naujoje duomenų bazėje yra naudotojas „admin“ su visomis teisėmis ir be "
                                               "slaptažodžio. Prisijunkite juo ir nustatykite slaptažodį."),
                                this);
        hint->setWordWrap(true);
        layout->addWidget(hint);
    }
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("lblMessage"));
    message_->setStyleSheet(QStringLiteral("color: #b00020"));
    message_->hide();
    layout->addWidget(message_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Prisijungti"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Atšaukti"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    (userName.isEmpty() ? user_ : password_)->setFocus();
}

void LoginDialog::accept()
{
    QString why;
    try {
        why = login::logIn(*session_, user_->text(), password_->text());
    } catch (const bo::StorageError& e) {
        why = e.message();
    }
    if (!why.isEmpty()) {
        message_->setText(why);
        message_->show();
        password_->selectAll();
        password_->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace shell
