#pragma once

#include "platform/bo/session.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace shell {

// Logging the user in.
namespace login {

// Logs the user in when the password matches; returns the reason otherwise.
QString logIn(bo::Session& session, const QString& loginName, const QString& password);
// Whether the store still has the first user "admin" without a password.
bool hasOpenAdmin(bo::Session& session);

} // namespace login

// Asks for the user and password until they match or the user gives up.
class LoginDialog final : public QDialog {
    Q_OBJECT
public:
    LoginDialog(bo::SessionPtr session, const QString& userName, QWidget* parent = nullptr);

protected:
    void accept() override;

private:
    bo::SessionPtr session_;
    QLineEdit* user_;
    QLineEdit* password_;
    QLabel* message_;
};

} // namespace shell
