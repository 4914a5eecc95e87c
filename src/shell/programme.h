#pragma once

#include <functional>
#include <memory>

namespace talvex {

class TForm_princ;

// The program's windows, created once in start-up order and living until the end: the
// main window, the login window, then (once the data module exists) every other window,
// each a child of the main window.
class Programme
{
public:
    // `creerDonnees` creates the data module at its place in the order (after the login
    // window); an error it raises leaves the program without windows beyond those two.
    explicit Programme(const std::function<void()>& creerDonnees);
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;
    ~Programme();

    TForm_princ& principale() const { return *m_principale; }

private:
    std::unique_ptr<TForm_princ> m_principale;
};

} // namespace talvex
