#include "donation/frmDonate.h"

#include "shell/page_links.h"
#include "ui_frmDonate.h"

frmDonate::frmDonate(QWidget* parent) : QWidget(parent, Qt::Window), ui(new Ui::frmDonate)
{
    ui->setupUi(this);
    connect(ui->cmdDonate, &QPushButton::clicked, this, &frmDonate::cmdDonate_Click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmDonate::cmdExit_Click);
}

frmDonate::~frmDonate()
{
    delete ui;
}

void frmDonate::cmdDonate_Click()
{
    Open_Page(QStringLiteral("donate"));
}

void frmDonate::cmdExit_Click()
{
    close();
}
