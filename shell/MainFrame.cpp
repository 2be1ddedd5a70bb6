// The main window's frame: tool bar, title strip, notebook, status bar,
// menus, and the three pages that belong to the frame itself.
#include "shell/Main.h"

#include "calculators/Budget.h"
#include "calculators/Consolidation.h"
#include "calculators/CreditCardDebt.h"
#include "calculators/LoanDebt.h"
#include "calculators/NetWorth.h"
#include "calculators/PayoffOrSave.h"
#include "calculators/SavingsPlan.h"
#include "info/Help.h"
#include "shell/Dialogs.h"
#include "loantools/LoanCalculator.h"
#include "loantools/PayoffSchedules.h"
#include "persistence/CalcFiles.h"
#include "reports/PrintDispatch.h"
#include "shell/Hints.h"
#include "shell/Pages.h"
#include "shell/Theme.h"

#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>

namespace larkspan {

namespace {
constexpr int kClientWidth = 787;
constexpr int kClientHeight = 625;
constexpr int kButtonBarHeight = 33;
constexpr int kTitleHeight = 27;
constexpr int kStatusHeight = 19;
constexpr int kStatusPanel0Width = 120;

QLabel* plainLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// A small picture for a tool button, drawn from the style's standard icons.
QIcon toolIcon(QStyle* style, QStyle::StandardPixmap pixmap)
{
    return style->standardIcon(pixmap);
}
} // namespace

QAction* TfrmMain::addMenuItem(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

template <class Page>
Page* TfrmMain::addPage()
{
    auto* p = new Page(*this, nbkMain_);
    nbkMain_->addWidget(p);
    return p;
}

void TfrmMain::buildFrame()
{
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    client_->resize(kClientWidth, kClientHeight);
    setCentralWidget(client_);
    setFont(theme::tahoma(9));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    pnlButtonBar_ = new QFrame(client_);
    pnlButtonBar_->setObjectName(QStringLiteral("pnlButtonBar"));
    pnlButtonBar_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlButtonBar_->setGeometry(0, 0, kClientWidth, kButtonBarHeight);
    buildToolBar(pnlButtonBar_);

    pnlCalculatorName_ = new QFrame(client_);
    pnlCalculatorName_->setObjectName(QStringLiteral("pnlCalculatorName"));
    pnlCalculatorName_->setAutoFillBackground(true);
    QPalette titlePalette = pnlCalculatorName_->palette();
    titlePalette.setColor(QPalette::Window, theme::activeCaption());
    titlePalette.setColor(QPalette::WindowText, theme::captionText());
    pnlCalculatorName_->setPalette(titlePalette);
    const QFont titleFont = theme::pixelFont(QStringLiteral("Arial"), 19);
    lblMainMenu_ = plainLabel(pnlCalculatorName_, QStringLiteral("lblMainMenu"), QStringLiteral("Main Menu"));
    lblMainMenu_->setGeometry(11, 3, 97, 22);
    lblMainMenu_->setFont(titleFont);
    lblMainMenu_->setCursor(Qt::PointingHandCursor);
    lblMainMenu_->installEventFilter(this);
    lblCalculatorName_ = plainLabel(pnlCalculatorName_, QStringLiteral("lblCalculatorName"), QString());
    lblCalculatorName_->setGeometry(109, 3, 448, 22);
    lblCalculatorName_->setFont(titleFont);

    nbkMain_ = new QStackedWidget(client_);
    nbkMain_->setObjectName(QStringLiteral("nbkMain"));
    nbkMain_->setAutoFillBackground(true);
    QPalette nbkPalette = nbkMain_->palette();
    nbkPalette.setColor(QPalette::Window, theme::windowBackground());
    nbkMain_->setPalette(nbkPalette);
    connect(nbkMain_, &QStackedWidget::currentChanged, this, [this] { nbkMainPageChanged(); });

    statusBar_ = new QFrame(client_);
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    statusBar_->setMouseTracking(true);
    buildStatusBar(statusBar_);

    // Text stores that the user never sees.
    memPrepayments_ = new QPlainTextEdit(client_);
    memPrepayments_->setObjectName(QStringLiteral("memPrepayments"));
    memPrepayments_->hide();
    memFileContents_ = new QPlainTextEdit(client_);
    memFileContents_->setObjectName(QStringLiteral("memFileContents"));
    memFileContents_->hide();

    setContextMenuPolicy(Qt::DefaultContextMenu);
    layoutFrame();
}

void TfrmMain::layoutFrame()
{
    const int width = client_->width();
    const int height = client_->height();
    pnlButtonBar_->setGeometry(0, 0, width, kButtonBarHeight);
    pnlCalculatorName_->setGeometry(0, kButtonBarHeight, width, kTitleHeight);
    nbkMain_->setGeometry(0, kButtonBarHeight + kTitleHeight, width,
                          std::max(0, height - kButtonBarHeight - kTitleHeight - kStatusHeight));
    statusBar_->setGeometry(0, height - kStatusHeight, width, kStatusHeight);
    statusBarResize();
    placeRightHandButtons();
}

void TfrmMain::statusBarResize()
{
    statusPanel1_->setGeometry(kStatusPanel0Width + 2, 0,
                               std::max(0, statusBar_->width() - kStatusPanel0Width - 2), kStatusHeight);
}

void TfrmMain::statusBarMouseMove(int x)
{
    // Over the link (short of its last few pixels) the pointer is a hand.
    if (x < kStatusPanel0Width - 5)
        statusBar_->setCursor(Qt::PointingHandCursor);
    else
        statusBar_->setCursor(Qt::ArrowCursor);
    setStatusText(x <= kStatusPanel0Width
                      ? QStringLiteral(" Visit the Larkspan web site for tips, news and new versions ...")
                      : QStringLiteral(" Larkspan 2.0 - personal debt management tools for the household"));
}

void TfrmMain::buildToolBar(QWidget* bar)
{
    struct ToolButton {
        const char* name;
        int left;
        const char* hint;
        QStyle::StandardPixmap icon;
    };
    static const ToolButton kButtons[] = {
        {"btnOpen", 4, "Open| Open ...", QStyle::SP_DialogOpenButton},
        {"btnSave", 29, "Save| Save ...", QStyle::SP_DialogSaveButton},
        {"btnPrint", 54, "Print Preview| Display Print Preview ...", QStyle::SP_FileDialogContentsView},
        {"btnReset", 79, "Reset values| Reset values", QStyle::SP_BrowserReload},
        {"btnUpdate", 104, "Check for Update| Check for New Version ...", QStyle::SP_ArrowDown},
        {"btnAbout", 129, "About| Display About ...", QStyle::SP_MessageBoxInformation},
        {"btnHelp", 154, "Help| Display Help ...", QStyle::SP_DialogHelpButton},
        {"btnPrevCalc", 0, "Previous Calculator| Click to use previous calculator ...", QStyle::SP_ArrowBack},
        {"btnNextCalc", 0, "Next Calculator| Click to use next calculator ...", QStyle::SP_ArrowForward},
        {"btnExit", 0, "Exit| Exit Larkspan ...", QStyle::SP_DialogCloseButton},
    };
    for (const ToolButton& tool : kButtons) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QLatin1String(tool.name));
        b->setGeometry(tool.left, 4, 25, 25);
        b->setAutoRaise(true);
        b->setIcon(toolIcon(style(), tool.icon));
        b->setIconSize(QSize(16, 16));
        b->setFocusPolicy(Qt::NoFocus);
        setHint(b, QLatin1String(tool.hint));
    }
    auto* calculators = new QPushButton(QStringLiteral("Calculator Menu"), bar);
    calculators->setObjectName(QStringLiteral("btnCalculators"));
    calculators->setFocusPolicy(Qt::NoFocus);
    // Its menu opens through the click only, never on a right-click.
    calculators->setContextMenuPolicy(Qt::PreventContextMenu);
    calculators->resize(127, 25);
    setHint(calculators, QStringLiteral(" Display Calculator Menu ..."));

    auto button = [bar](const char* name) { return bar->findChild<QAbstractButton*>(QLatin1String(name)); };
    btnPrint_ = button("btnPrint");
    btnReset_ = button("btnReset");
    btnPrevCalc_ = button("btnPrevCalc");
    btnNextCalc_ = button("btnNextCalc");
    btnExit_ = button("btnExit");
    btnCalculators_ = calculators;
    btnPrint_->setEnabled(false);
    btnReset_->setEnabled(false);

    connect(button("btnOpen"), &QAbstractButton::clicked, this, [this] { OpenCalculationFile(*this); });
    connect(button("btnSave"), &QAbstractButton::clicked, this, [this] { SaveCalculationFile(*this); });
    connect(btnPrint_, &QAbstractButton::clicked, this, [this] { PrintActivePage(*this); });
    connect(btnReset_, &QAbstractButton::clicked, this, &TfrmMain::btnResetClick);
    connect(button("btnHelp"), &QAbstractButton::clicked, this, [this] { ShowHelpForActivePage(*this); });
    for (QAbstractButton* b : {btnPrevCalc_, btnNextCalc_})
        connect(b, &QAbstractButton::clicked, this, [this, b] { gotoChosenCalculator(b); });
    connect(btnCalculators_, &QAbstractButton::clicked, this, &TfrmMain::btnCalculatorsClick);
    connect(btnExit_, &QAbstractButton::clicked, this, &TfrmMain::MnuFileExitClick);
    placeRightHandButtons();
}

void TfrmMain::placeRightHandButtons()
{
    const int width = pnlButtonBar_->width();
    btnPrevCalc_->move(width - 244, 4);
    btnNextCalc_->move(width - 218, 4);
    btnCalculators_->move(width - 157, 4);
    btnExit_->move(width - 29, 4);
}

void TfrmMain::buildStatusBar(QWidget* bar)
{
    statusPanel0_ = new QLabel(bar);
    statusPanel0_->setObjectName(QStringLiteral("statusPanel0"));
    statusPanel0_->setTextFormat(Qt::RichText);
    statusPanel0_->setText(QStringLiteral("<a href=\"https://larkspan.example.com/\">Larkspan online</a>"));
    statusPanel0_->setOpenExternalLinks(false);
    connect(statusPanel0_, &QLabel::linkActivated, this, [this](const QString& link) { dialogs().openUrl(QUrl(link)); });
    statusPanel0_->setGeometry(0, 0, kStatusPanel0Width, kStatusHeight);
    statusPanel0_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusPanel0_->setMouseTracking(true);
    statusPanel1_ = plainLabel(bar, QStringLiteral("statusPanel1"), QStringLiteral("Welcome to Larkspan by Quillmoor Software"));
    statusPanel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusPanel1_->setMouseTracking(true);

}

QString TfrmMain::statusText() const
{
    return statusPanel1_->text();
}

void TfrmMain::setStatusText(const QString& text)
{
    statusPanel1_->setText(text);
}

void TfrmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MnuMain"));

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MnuFile"));
    connect(addMenuItem(file, QStringLiteral("mnuFileOpen"), QStringLiteral("&Open Previously Saved Financial Values ...")),
            &QAction::triggered, this, [this] { OpenCalculationFile(*this); });
    QAction* save = addMenuItem(file, QStringLiteral("mnuFileSave"), QStringLiteral("&Save Current Financial Values ..."));
    save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    connect(save, &QAction::triggered, this, [this] { SaveCalculationFile(*this); });
    connect(addMenuItem(file, QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save &As ...")),
            &QAction::triggered, this, [this] { SaveCalculationFileAs(*this); });
    file->addSeparator();
    addMenuItem(file, QStringLiteral("MnuFilePrintSetup"), QStringLiteral("Print Setup ..."));
    mnuFilePrint_ = addMenuItem(file, QStringLiteral("MnuFilePrint"), QStringLiteral("&Print Preview ..."));
    mnuFilePrint_->setEnabled(false);
    connect(mnuFilePrint_, &QAction::triggered, this, [this] { PrintActivePage(*this); });
    file->addSeparator();
    connect(addMenuItem(file, QStringLiteral("MnuFileExit"), QStringLiteral("E&xit")), &QAction::triggered, this, &TfrmMain::MnuFileExitClick);

    QMenu* calculators = bar->addMenu(QStringLiteral("&Calculators"));
    calculators->setObjectName(QStringLiteral("MnuCalculators"));
    mnuPopup_ = new QMenu(this);
    mnuPopup_->setObjectName(QStringLiteral("MnuPopup"));
    mnuPopCalcs_ = new QMenu(this);
    mnuPopCalcs_->setObjectName(QStringLiteral("mnuPopCalcs"));
    auto navigate = [this](QAction* a) { connect(a, &QAction::triggered, this, [this, a] { gotoChosenCalculator(a); }); };
    for (const PageInfo& p : pageTable()) {
        if (p.calculatorsItem.isEmpty())
            continue;
        navigate(addMenuItem(calculators, p.calculatorsItem, p.calculatorsCaption));
        navigate(addMenuItem(mnuPopup_, p.popItem, p.popCaption));
        navigate(addMenuItem(mnuPopCalcs_, p.popCalcsItem, p.popCalcsCaption));
        if (p.name == pages::Menu) {
            calculators->addSeparator();
            mnuPopup_->addSeparator();
            mnuPopCalcs_->addSeparator();
        }
    }
    mnuPopup_->addSeparator();
    addMenuItem(mnuPopup_, QStringLiteral("MnuPopDisclaimer"), QStringLiteral("Disclaimer..."));
    connect(addMenuItem(mnuPopup_, QStringLiteral("MnuPopHelp"), QStringLiteral("&Help")), &QAction::triggered, this,
            [this] { ShowHelpForActivePage(*this); });
    mnuPopup_->addSeparator();
    connect(addMenuItem(mnuPopup_, QStringLiteral("MnuPopExit"), QStringLiteral("E&xit")), &QAction::triggered, this, &TfrmMain::MnuFileExitClick);
    mnuPopCalcs_->addSeparator();
    addMenuItem(mnuPopCalcs_, QStringLiteral("mnuPopCalcsDisclaimer"), QStringLiteral("Disclaimer ..."));
    setMainMenuTrioEnabled(false);

    QMenu* online = bar->addMenu(QStringLiteral("&Online Resources"));
    online->setObjectName(QStringLiteral("mnuInternet"));
    addMenuItem(online, QStringLiteral("mnuWOHome"), QStringLiteral("Quillmoor Software &Home Page ..."));
    addMenuItem(online, QStringLiteral("mnuWOOnlineVersion"), QStringLiteral("&Online Version of Larkspan"));
    addMenuItem(online, QStringLiteral("mnuWOApplicationInformation"), QStringLiteral("Information &about Larkspan Calculator ..."));
    addMenuItem(online, QStringLiteral("mnuWOBlog"), QStringLiteral("Quillmoor Software &Blog ..."));
    addMenuItem(online, QStringLiteral("mnuWOFreeware"), QStringLiteral("Free Financial &Utilities ..."));
    QMenu* trial = online->addMenu(QStringLiteral("&Trial Versions of Financial Software:"));
    trial->setObjectName(QStringLiteral("mnuInternetTry"));
    online->addSeparator();
    addMenuItem(online, QStringLiteral("mnuWOCheckForUpdate"), QStringLiteral("Check for &New Version of this Software ..."));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("MnuHelp"));
    connect(addMenuItem(help, QStringLiteral("MnuHelpContents"), QStringLiteral("&Contents")), &QAction::triggered, this,
            [this] { dialogs().showHelp(5); });
    addMenuItem(help, QStringLiteral("mnuWOSuggestionBox"), QStringLiteral("&Suggestion Box ..."));
    addMenuItem(help, QStringLiteral("mnuWOSupport"), QStringLiteral("&Online Support ..."));
    QMenu* mail = help->addMenu(QStringLiteral("Contact Quillmoor Software by &E-mail"));
    mail->setObjectName(QStringLiteral("mnuInternetEmail"));
    addMenuItem(mail, QStringLiteral("mnuWOMailSuggestions"), QStringLiteral("Send &Suggestions"));
    addMenuItem(mail, QStringLiteral("mnuWOMailSupport"), QStringLiteral("&Request Support"));
    addMenuItem(help, QStringLiteral("mnuHelpSampleCloseText"), QStringLiteral("Sample \"Close Account\" Text"));
    help->addSeparator();
    addMenuItem(help, QStringLiteral("MnuHelpDisclaimer"), QStringLiteral("&Disclaimer ..."));
    addMenuItem(help, QStringLiteral("MnuHelpAbout"), QStringLiteral("&About ..."));

    mnuPopReset_ = new QMenu(this);
    mnuPopReset_->setObjectName(QStringLiteral("mnuPopReset"));
    QAction* zero = addMenuItem(mnuPopReset_, QStringLiteral("mnuResetThisZero"), QStringLiteral("&Reset this Calculator to ZERO Values"));
    mnuPopReset_->addSeparator();
    QAction* samples = addMenuItem(mnuPopReset_, QStringLiteral("mnuResetSamples"), QStringLiteral("Use &SAMPLE Values for this Calculator"));
    for (QAction* a : {zero, samples})
        connect(a, &QAction::triggered, this, [this, a] { ResetCalculators(a); });
}

void TfrmMain::btnCalculatorsClick()
{
    const QPoint at = frameGeometry().topLeft() + QPoint(btnCalculators_->x(), btnCalculators_->y() + 63);
    mnuPopCalcs_->popup(at);
}

void TfrmMain::btnResetClick()
{
    const QPoint at = frameGeometry().topLeft() + QPoint(btnReset_->x(), btnReset_->y() + 73);
    mnuPopReset_->popup(at);
}

void TfrmMain::buildPages()
{
    auto* menu = new CalculatorPage(*this, pages::Menu, nbkMain_);
    nbkMain_->addWidget(menu);
    buildMenuPage(menu);
    netWorth_ = addPage<NetWorthPage>();
    auto* solutions = new CalculatorPage(*this, pages::Solutions, nbkMain_);
    nbkMain_->addWidget(solutions);
    buildSolutionsPage(solutions);
    loanDebt_ = addPage<LoanDebtPage>();
    creditCardDebt_ = addPage<CreditCardDebtPage>();
    consolidation_ = addPage<ConsolidationPage>();
    loanCalculator_ = addPage<LoanCalculatorPage>();
    amortization_ = addPage<AmortizationPage>();
    payoffOrSave_ = addPage<PayoffOrSavePage>();
    savingsPlan_ = addPage<SavingsPlanPage>();
    budget_ = addPage<BudgetPage>();
    auto* custom = new CalculatorPage(*this, pages::CustomCalcs, nbkMain_);
    nbkMain_->addWidget(custom);
    buildCustomCalcsPage(custom);
}

void TfrmMain::buildMenuPage(QWidget* page)
{
    auto* logo = new QLabel(page);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(19, 21, 420, 100);
    QPixmap picture(420, 100);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(theme::navy());
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRect(4, 10, 80, 80), 14, 14);
        p.setBrush(QColor(0xB0, 0x8F, 0xE0));
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(44, 30 + i * 20), 9 - i * 1.5, 9 - i * 1.5);
        p.setPen(theme::navy());
        p.setFont(theme::pixelFont(QStringLiteral("Arial"), 46, true, true));
        p.drawText(QRect(100, 6, 320, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Larkspan"));
        p.setFont(theme::pixelFont(QStringLiteral("Arial"), 16));
        p.drawText(QRect(102, 64, 320, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Personal debt management tools"));
    }
    logo->setPixmap(picture);

    auto* intro = new QLabel(page);
    intro->setObjectName(QStringLiteral("HTMLabel1"));
    intro->setGeometry(20, 141, 430, 227);
    intro->setFont(theme::arial(10));
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    intro->setTextFormat(Qt::RichText);
    intro->setText(QStringLiteral(
        "<p>Larkspan&trade; is meant to help you understand and manage your personal debt: build a snapshot of your "
        "current financial condition, list each of your debts, and weigh the ways out of debt that are open to you.</p>"
        "<p>No software can tell you what to do with your money, but these tools may help you focus on options you "
        "have not yet considered.</p>"
        "<p>Always consult a qualified financial advisor before you act on any of the figures shown here.</p>"));

    auto* title = plainLabel(page, QStringLiteral("lblTitleCalculators"), QStringLiteral("Debt Management Tools"));
    title->move(487, 24);
    title->setFont(theme::pixelFont(QStringLiteral("Arial"), 15, true, true));
    QPalette tp = title->palette();
    tp.setColor(QPalette::WindowText, theme::navy());
    title->setPalette(tp);
    title->adjustSize();

    std::vector<std::pair<int, QPushButton*>> byTabOrder;
    for (const PageInfo& p : pageTable()) {
        if (p.button.isEmpty())
            continue;
        auto* b = new QPushButton(p.buttonCaption, page);
        b->setObjectName(p.button);
        b->setGeometry(487, p.buttonTop, 279, 42);
        b->setFont(theme::pixelFont(QStringLiteral("Arial"), 17, true));
        setHint(b, p.buttonHint);
        connect(b, &QPushButton::clicked, this, [this, b] { gotoChosenCalculator(b); });
        byTabOrder.emplace_back(p.buttonTabOrder, b);
    }
    std::sort(byTabOrder.begin(), byTabOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < byTabOrder.size(); ++i)
        QWidget::setTabOrder(byTabOrder[i - 1].second, byTabOrder[i].second);
}

void TfrmMain::buildSolutionsPage(QWidget* page)
{
    auto* heading = plainLabel(page, QStringLiteral("Label106"), QStringLiteral("3 Important Steps to Managing Your Debt"));
    heading->move(20, 26);
    heading->setFont(theme::pixelFont(QStringLiteral("Arial"), 16, true));
    heading->adjustSize();
    auto* text = new QLabel(page);
    text->setObjectName(QStringLiteral("HTMLabel2"));
    text->setGeometry(54, 64, 675, 393);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setFont(theme::arial(10));
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral(
        "<p>There are three ways to get out of debt: increase your income, decrease your expenses, or consolidate "
        "your debts into one loan with a lower payment and use the money it frees each month to pay your debt down "
        "faster. Most households do best with a mix of all three.</p>"
        "<p><b>Increase Income</b><br>A second job, overtime, selling what you no longer use or turning a hobby into "
        "paid work all add to what you can put against your debt. Every extra dollar goes furthest on the debt with "
        "the highest rate.</p>"
        "<p><b>Reduce Expenses</b><br>List what you spend each month with the budget calculator. Small, steady cuts "
        "to food, entertainment and subscriptions add up, and closing accounts you do not need keeps new debt from "
        "building up.</p>"
        "<p><b>Consolidate Debts</b><br>One loan at a lower rate can replace several card and loan payments. Use the "
        "Consider Consolidation calculator to see how much a consolidation loan would lower your monthly payment, and "
        "put the difference towards paying the loan off early.</p>"
        "<p><a href=\"https://larkspan.example.com/managing-debt\">Read more about managing debt</a></p>"));
    connect(text, &QLabel::linkActivated, this, [this](const QString& link) { dialogs().openUrl(QUrl(link)); });
}

void TfrmMain::buildCustomCalcsPage(QWidget* page)
{
    auto* text = new QLabel(page);
    text->setObjectName(QStringLiteral("lblBlankOnPurpose"));
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<span style=\"font-size:11pt\">This Page Blank on Purpose</span>"));
    text->setGeometry(20, 20, 400, 30);
    auto* back = new QPushButton(QStringLiteral("Return to Main Menu"), page);
    back->setObjectName(QStringLiteral("btnReturnToMainMenu"));
    back->setGeometry(20, 60, 160, 28);
    setHint(back, QStringLiteral("Return to Main Menu"));
    connect(back, &QPushButton::clicked, this, [this, back] { gotoChosenCalculator(back); });
}

} // namespace larkspan
