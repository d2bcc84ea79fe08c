#include "quickcommands/PredefinedQuickCommands.h"

const QList<QuickCommand>& PredefinedQuickCommands() {
    using Q = QuickCommand;
    static const QList<QuickCommand> table = {
        {Q::Search, QStringLiteral("Google Search"), QStringLiteral("gs"),
         QStringLiteral("http://www.google.com/search?q=%s")},
        {Q::Search, QStringLiteral("Yahoo! Search"), QStringLiteral("ys"),
         QStringLiteral("http://search.yahoo.com/bin/search?p=%s")},
        {Q::Search, QStringLiteral("Lycos Search"), QStringLiteral("ls"),
         QStringLiteral("http://search.lycos.com/main/default.asp?lpv=1&loc=searchhp&query=%s&x=16&y=4")},
        {Q::Search, QStringLiteral("AltaVista Search"), QStringLiteral("as"),
         QStringLiteral("http://www.altavista.com/sites/search/web?q=%s&pg=q&kl=XX&search=Search")},
        {Q::Search, QStringLiteral("InfoSeek Search"), QStringLiteral("is"),
         QStringLiteral("http://infoseek.go.com/d/search/p/go/?Partner=go_home&Keywords=%s&Go=Search")},
        {Q::Search, QStringLiteral("MSN Search"), QStringLiteral("ms"),
         QStringLiteral("http://search.msn.com/results.asp?RS=CHECKED&FORM=MSNH&v=1&q=%s")},
        {Q::Open, QStringLiteral("ZDNet"), QStringLiteral("zd"), QStringLiteral("http://www.zdnet.com/")},
        {Q::Open, QStringLiteral("CNN"), QStringLiteral("cnn"), QStringLiteral("http://www.cnn.com/")},
    };
    return table;
}
