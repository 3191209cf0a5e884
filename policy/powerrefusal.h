#pragma once

#include <QList>
#include <QString>

// A power action the system did not carry out: an error answer, or none.
struct PowerRefusal
{
    // An application that holds logind's block on the action.
    struct Inhibitor
    {
        QString who;
        QString why;
    };

    QString action;
    QString error; // the error's own text, as the service gave it
    // Whether logind refused: only it can say who is in the way.
    bool fromLogind = false;
    QList<Inhibitor> inhibitors;
};
