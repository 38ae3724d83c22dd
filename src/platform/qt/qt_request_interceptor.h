#pragma once

#include <QWebEngineUrlRequestInterceptor>

#include <functional>
#include <utility>

namespace fluvane::platform::qt {

// Hands every request it sees to a function.
class RequestInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    explicit RequestInterceptor(std::function<void(QWebEngineUrlRequestInfo&)> intercept)
        : intercept_(std::move(intercept)) {}
    void interceptRequest(QWebEngineUrlRequestInfo& info) override { intercept_(info); }

private:
    std::function<void(QWebEngineUrlRequestInfo&)> intercept_;
};

}  // namespace fluvane::platform::qt
