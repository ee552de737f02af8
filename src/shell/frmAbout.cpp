#include "shell/frmAbout.h"

#include "shell/widgets/screen_fit.h"
#include "shell/vendor_links.h"
#include "shell/version.h"
#include "ui_frmAbout.h"

frmAbout::frmAbout(QWidget* parent) : QDialog(parent), ui(new Ui::frmAbout)
{
    ui->setupUi(this);
    setWindowTitle(Program_Title_And_Version);
    ui->lblTitle->setText(Program_Title_And_Version);
    ui->imgIcon->showDrawing("app/icon");
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    Connect_Vendor_Links(this);
}

frmAbout::~frmAbout()
{
    delete ui;
}

void frmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Keep_On_Screen(this);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void Show_About_Box(QWidget* parent)
{
    frmAbout about(parent);
    about.exec();
}
