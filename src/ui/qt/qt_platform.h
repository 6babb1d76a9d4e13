#pragma once

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/platform.h"

// The desktop as Qt offers it: message boxes, the file dialog, the desktop's handler for documents
// and addresses, and modal dialogs.
class QtPlatform : public Platform {
 public:
  using DialogFactory = std::function<std::unique_ptr<QDialog>(ModalDialog&, QWidget* parent)>;

  void SetParent(QWidget* parent) { parent_ = parent; }
  // Runs before any modal box or dialog appears, so that the window shows the state the box
  // speaks of (the status text of a failed check, say).
  void SetBeforeModal(std::function<void()> beforeModal) { beforeModal_ = std::move(beforeModal); }
  void SetDialogFactory(DialogFactory factory) { dialogFactory_ = std::move(factory); }

  void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) override;
  void OpenDocument(const std::string& pathOrAddress) override;
  int RunModal(ModalDialog& dialog) override;

 private:
  void BeforeModal() const {
    if (beforeModal_) beforeModal_();
  }

  QPointer<QWidget> parent_;
  std::function<void()> beforeModal_;
  DialogFactory dialogFactory_;
};
