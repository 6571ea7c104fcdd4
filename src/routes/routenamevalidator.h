#pragma once
// The validator of every field where a route name is typed: it lets through only what
// the route record holds whole (isValidRouteName), so no name is cut on saving.
#include <QValidator>

class RouteNameValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;

    // Empty text is Intermediate; a name the record cannot hold is Invalid.
    State validate(QString& input, int& pos) const override;
};
