#pragma once

#include <QUrl>

namespace ds {

// How an attempt to open a page went.
enum class OpenResult {
    Opened,    // the browser took the address
    NoBrowser, // the desktop has no browser to open it with
    NotOpened, // a browser was there but the page could not be opened
};

// The desktop's default web browser: opens a web address or a local file.
class Browser {
public:
    virtual ~Browser() = default;
    virtual OpenResult open(const QUrl &address) = 0;
};

} // namespace ds
