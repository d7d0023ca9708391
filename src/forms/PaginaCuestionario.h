// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The questionnaire-page contract: what the main window asks of each of the
// three pages (application, applicant, members). A page edits its part of the
// one application-data object, which it holds without owning it.

class QString;
class QWidget;
class TDatosRegistroZOV;

class TPaginaCuestionario
{
public:
    virtual ~TPaginaCuestionario() = default;

    // The page as a widget, for the main window to host in its central panel.
    virtual QWidget *Vista() = 0;

    // Takes the data object (none is allowed) and shows it; the page is
    // enabled only with a data object.
    virtual void SetZOV(TDatosRegistroZOV *zov) = 0;
    // Copies the page into the data object and returns it (none without one).
    virtual TDatosRegistroZOV *GetZOV() = 0;
    // Shows the data object and clears Modified.
    virtual void RefreshView() = 0;
    // Copies the page into the data object; when the page was modified, first
    // empties the application's control identifier. Then clears Modified.
    virtual void ApplyChanges() = 0;
    // Checks the page; the first field in error, or nullptr when all is right.
    // MsgError then holds the failed rule's own message, or is empty.
    virtual QWidget *ValidateView() = 0;
    // The message of a field returned by ValidateView; empty when it has none.
    virtual QString FieldMessage(const QWidget *field) const = 0;

    // Edited since the last refresh or apply.
    virtual bool Modified() const = 0;
    virtual void SetModified(bool modified) = 0;
    // The message of the rule at which the last validation stopped, or empty.
    virtual QString MsgError() const = 0;
};

// The members page keeps a working list of its own and offers two more steps.
class TPaginaMiembros : public TPaginaCuestionario
{
public:
    // Rebuilds the working list from the data object's members.
    virtual void ReloadZOV() = 0;
    // Updates the page's own buttons to the working list.
    virtual void UpdateViewControls() = 0;
};
