// tessor-analyse as its documentation shows it, and its command line.
#include "analyse.h"

#include <QtTest>

class TestAnalyseDoc : public QObject {
    Q_OBJECT

  private slots:
    // Inside the fenced blocks of docs/analyse.md, each line "> request" is followed by the line
    // "< answer" that the tool writes for it.
    void examples_get_their_written_answer_data() {
        QTest::addColumn<QString>("requete");
        QTest::addColumn<QString>("reponse");
        QFile document(QStringLiteral(TESSOR_DOC_ANALYSE));
        QVERIFY(document.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lignes = QString::fromUtf8(document.readAll()).split(u'\n') << QString();
        bool bloc = false;
        for (int i = 0; i + 1 < lignes.size(); ++i) {
            bloc = bloc != lignes[i].startsWith(QLatin1String("```"));
            if (bloc && lignes[i].startsWith(QLatin1String("> "))) {
                QTest::addRow("docs/analyse.md:%d", i + 1) << lignes[i].mid(2) << lignes[i + 1];
            }
        }
    }
    void examples_get_their_written_answer() {
        QFETCH(QString, requete);
        QFETCH(QString, reponse);
        const std::string ecrite = tessor::analyse::traite_requete(requete.toStdString());
        QCOMPARE("< " + QString::fromStdString(ecrite), reponse);
    }

    // The request kinds that --help lists are those the document describes, in its order.
    void help_lists_the_documented_request_kinds() {
        QFile document(QStringLiteral(TESSOR_DOC_ANALYSE));
        QVERIFY(document.open(QIODevice::ReadOnly | QIODevice::Text));
        const QRegularExpression titre(QStringLiteral("^### (\\w+):"),
                                       QRegularExpression::MultilineOption);
        QStringList documentees;
        for (const auto& m : titre.globalMatch(QString::fromUtf8(document.readAll()))) {
            documentees << m.captured(1);
        }
        QStringList listees;
        for (const QString& l : QString::fromStdString(tessor::analyse::liste_des_requetes())
                                    .split(u'\n', Qt::SkipEmptyParts)) {
            listees << l.section(u' ', 2, 2);
        }
        QCOMPARE(listees, documentees);
    }

    void command_line_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("debut"); // of standard output, or of standard error on failure
        QTest::newRow("help") << "--help" << 0
                              << "Utilisation : tessor-analyse [--help | --version]\n";
        QTest::newRow("version") << "--version" << 0 << "tessor-analyse " TESSOR_VERSION "\n";
        QTest::newRow("unknown")
            << "--aide" << 2
            << "tessor-analyse : option inconnue « --aide »\nLes requêtes se "
               "lisent sur l'entrée standard ; voir « tessor-analyse --help ».";
    }
    // Standard input stays open: an option is answered without reading it.
    void command_line() {
        QFETCH(QString, argument);
        QFETCH(int, code);
        QFETCH(QString, debut);
        QProcess outil;
        outil.start(QStringLiteral(TESSOR_ANALYSE_EXECUTABLE), {argument});
        QVERIFY(outil.waitForFinished(10000));
        QCOMPARE(outil.exitCode(), code);
        const QString texte = QString::fromUtf8(code == 0 ? outil.readAllStandardOutput()
                                                          : outil.readAllStandardError());
        QVERIFY2(texte.startsWith(debut), qPrintable(texte));
    }
};

QTEST_GUILESS_MAIN(TestAnalyseDoc)
#include "test_analyse_doc.moc"
