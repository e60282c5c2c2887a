#pragma once

#include <QString>

#include <functional>

class QObject;

// The loading flag of a card or dialog: set while it writes its own controls,
// so that the change handlers those writes fire do not count them as the
// user's. A Guard holds it while it lives; guards nest.
class LoadingFlag {
public:
    bool isSet() const { return depth_ > 0; }

    class Guard {
    public:
        explicit Guard(LoadingFlag& flag) : flag_(flag) { ++flag_.depth_; }
        ~Guard() { --flag_.depth_; }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        LoadingFlag& flag_;
    };

private:
    int depth_ = 0;
};

// Runs an event handler of `owner` (a card, a dialog) as a boundary: a
// conversion error ends it quietly, any other exception is shown once with the
// critical icon under `title` and logged. True when the handler ran to its end.
bool runAsHandler(const QObject& owner, const QString& title, const std::function<void()>& handler);
