<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="hu_HU">
<context>
    <name>AddRouteDlg</name>
    <message>
        <source>Bejárási útvonal hozzáadás</source>
        <translation>Route hinzufügen</translation>
    </message>
    <message>
        <source>Az útvonal neve:</source>
        <translation>Name der Route:</translation>
    </message>
    <message>
        <source>Az útvonal terven belül minden egyes útvonalnak saját, egyedi nevet kell adni.</source>
        <translation>Jede Route eines Routenplans braucht einen eigenen, eindeutigen Namen.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal terven belül minden egyes útvonalnak saját, egyedi nevet kell adni.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Jede Route eines Routenplans braucht einen eigenen, eindeutigen Namen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Az útvonal típusa</source>
        <translation>Routentyp</translation>
    </message>
    <message>
        <source>Az útvonalban előforduló ellenőrzési pontok és indulási idők meghatározásának módja</source>
        <translation>Wie die Kontrollpunkte und Startzeiten der Route festgelegt werden</translation>
    </message>
    <message>
        <source>Kiválasztható az útvonalban előforduló ellenőrzési pontok és indulási idők meghatározásának módja</source>
        <translation>Hier wählen Sie, wie die Kontrollpunkte und Startzeiten der Route festgelegt werden</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kiválasztható az útvonalban előforduló ellenőrzési pontok és indulási idők meghatározásának módja&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Hier wählen Sie, wie die Kontrollpunkte und Startzeiten der Route festgelegt werden&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kötött sorrend - Kötött indulás</source>
        <translation>Feste Reihenfolge - Fester Start</translation>
    </message>
    <message>
        <source>A megadott sorrendben és a meghatározott időpontokban kell ez egyes pontokat bejárni</source>
        <translation>Die Punkte müssen in der angegebenen Reihenfolge zu den festgelegten Zeiten begangen werden</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott sorrendben és a meghatározott időpontokban kell ez egyes pontokat bejárni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Punkte müssen in der angegebenen Reihenfolge zu den festgelegten Zeiten begangen werden&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kötött sorrend - Szabad indulás</source>
        <translation>Feste Reihenfolge - Freier Start</translation>
    </message>
    <message>
        <source>A pontokat megadott sorrendben kell bejárni, de az indulási idő egy tartományon belül szabadon megválasztható</source>
        <translation>Die Punkte müssen in der angegebenen Reihenfolge begangen werden, die Startzeit ist innerhalb eines Zeitraums frei wählbar</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A pontokat megadott sorrendben kell bejárni, de az indulási idő egy tartományon belül szabadon megválasztható&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Punkte müssen in der angegebenen Reihenfolge begangen werden, die Startzeit ist innerhalb eines Zeitraums frei wählbar&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Szabad sorrend - Kötött indulás</source>
        <translation>Freie Reihenfolge - Fester Start</translation>
    </message>
    <message>
        <source>Az ellenőrző pontokat egy megadott idő alatt tetszőleges sorrendben lehet bejárni, de az indulási idők pontosan meg vannak határozva.</source>
        <translation>Die Kontrollpunkte können innerhalb einer angegebenen Zeit in beliebiger Reihenfolge begangen werden, die Startzeiten sind aber genau festgelegt.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontokat egy megadott idő alatt tetszőleges sorrendben lehet bejárni, de az indulási idők pontosan meg vannak határozva.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Kontrollpunkte können innerhalb einer angegebenen Zeit in beliebiger Reihenfolge begangen werden, die Startzeiten sind aber genau festgelegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Szabad sorrend - Szabad indulás</source>
        <translation>Freie Reihenfolge - Freier Start</translation>
    </message>
    <message>
        <source>Az ellenőrző pontokat egy megadott idő alatt tetszőleges sorrendben lehet bejárni, az indulási idők pedig egy tartományon belül szabadon megválaszthatóak.</source>
        <translation>Die Kontrollpunkte können innerhalb einer angegebenen Zeit in beliebiger Reihenfolge begangen werden, die Startzeiten sind innerhalb eines Zeitraums frei wählbar.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontokat egy megadott idő alatt tetszőleges sorrendben lehet bejárni, az indulási idők pedig egy tartományon belül szabadon megválaszthatóak.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Kontrollpunkte können innerhalb einer angegebenen Zeit in beliebiger Reihenfolge begangen werden, die Startzeiten sind innerhalb eines Zeitraums frei wählbar.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Szabad sorrend- Rugalmas indulás</source>
        <translation>Freie Reihenfolge - Flexibler Start</translation>
    </message>
    <message>
        <source>Az ellenőrző pontok sorrendje tetszőleges, de a két pont között meghatározott időnek kell eltelnie. Az indulási idők is szabadon választhatóak a megadott tartományban.</source>
        <translation>Die Reihenfolge der Kontrollpunkte ist beliebig, zwischen zwei Punkten muss aber eine bestimmte Zeit vergehen. Auch die Startzeiten sind im angegebenen Zeitraum frei wählbar.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontok sorrendje tetszőleges, de a két pont között meghatározott időnek kell eltelnie. Az indulási idők is szabadon választhatóak a megadott tartományban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Reihenfolge der Kontrollpunkte ist beliebig, zwischen zwei Punkten muss aber eine bestimmte Zeit vergehen. Auch die Startzeiten sind im angegebenen Zeitraum frei wählbar.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Az útvonal mentése az útvonal tervbe</source>
        <translation>Die Route in den Routenplan übernehmen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal mentése az útvonal tervbe&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Route in den Routenplan übernehmen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Visszalépés az útvonal mentése nélkül</source>
        <translation>Zurück, ohne die Route zu übernehmen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Visszalépés az útvonal mentése nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Zurück, ohne die Route zu übernehmen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Nincs megadva útvonal név!
</source>
        <translation>Kein Routenname angegeben!
</translation>
    </message>
    <message>
        <source>Ilyen nevű útvonal már van!
</source>
        <translation>Eine Route mit diesem Namen gibt es bereits!
</translation>
    </message>
    <message>
        <source>Ki kell választani az útvonal típusát!
</source>
        <translation>Der Routentyp muss gewählt werden!
</translation>
    </message>
    <message>
        <source>Útvonal adatai</source>
        <translation>Routendaten</translation>
    </message>
</context>
<context>
    <name>ConfigDlg</name>
    <message>
        <source>Konfiguráció beállítás</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Azonosító név:</source>
        <translation>Gerätename:</translation>
    </message>
    <message>
        <source>Gyári szám:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Ismétlődő  bejegyzések összevonása</source>
        <translation>Wiederholte Einträge zusammenfassen</translation>
    </message>
    <message>
        <source>Az egymást közvetlenül követő rendkvüli események egy bejegyzésbe összevonva kerülnek naplózásra.</source>
        <translation>Unmittelbar aufeinander folgende außerordentliche Ereignisse werden in einem Eintrag zusammengefasst.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az egymást közvetlenül követő rendkvüli események egy bejegyzésbe összevonva kerülnek naplózásra.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Unmittelbar aufeinander folgende außerordentliche Ereignisse werden in einem Eintrag zusammengefasst.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Akku állapot naplózása</source>
        <translation>Akkuzustand protokollieren</translation>
    </message>
    <message>
        <source>Az esemény naplóban rögzítésre kerül az akku kimerülése és feltöltése.</source>
        <translation>Das Entladen und Aufladen des Akkus wird im Ereignisprotokoll vermerkt.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az esemény naplóban rögzítésre kerül az akku kimerülése és feltöltése.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Das Entladen und Aufladen des Akkus wird im Ereignisprotokoll vermerkt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Akku mélykisülés naplózása</source>
        <translation>Tiefentladung des Akkus protokollieren</translation>
    </message>
    <message>
        <source>Az esemény naplóban rögzítésre kerül, ha az akku teljesen lemerül.</source>
        <translation>Eine vollständige Entladung des Akkus wird im Ereignisprotokoll vermerkt.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az esemény naplóban rögzítésre kerül, ha az akku teljesen lemerül.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Eine vollständige Entladung des Akkus wird im Ereignisprotokoll vermerkt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Burkolat állapot naplózása</source>
        <translation>Gehäusezustand protokollieren</translation>
    </message>
    <message>
        <source>Az esemény napló rögzíti a burkolat megbontását.</source>
        <translation>Das Ereignisprotokoll vermerkt das Öffnen des Gehäuses.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az esemény napló rögzíti a burkolat megbontását.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Das Ereignisprotokoll vermerkt das Öffnen des Gehäuses.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Nedvesedés detektálás naplózása</source>
        <translation>Feuchtigkeitserkennung protokollieren</translation>
    </message>
    <message>
        <source>Amennyiben nedvesedést érzékel a készülék, azt rögzíti az esemény naplóban.</source>
        <translation>Erkennt das Gerät Feuchtigkeit, wird dies im Ereignisprotokoll vermerkt.</translation>
    </message>
    <message>
        <source>Átír</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>A megadott beállítások kiírása a csatlakoztatott készülékbe.</source>
        <translation>Die angegebenen Einstellungen in das angeschlossene Gerät schreiben.</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék beállításai nem módosulnak.</source>
        <translation>Die Einstellungen des angeschlossenen Geräts werden nicht geändert.</translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>%1
Mióta ez az ablak betöltötte vagy elmentette, a fájl megváltozott.</source>
        <translation>%1
Die Datei wurde geändert, seit dieses Fenster sie geladen oder gespeichert hat.</translation>
    </message>
    <message>
        <source>Megváltozott fájl</source>
        <translation>Geänderte Datei</translation>
    </message>
    <message>
        <source>Felülírjuk a másik változatot?</source>
        <translation>Die andere Fassung überschreiben?</translation>
    </message>
    <message>
        <source>Felülírjuk</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Betöltsük újra? Az ablak el nem mentett változásai elvesznek; különben a művelet elmarad.</source>
        <translation>Neu laden? Die nicht gespeicherten Änderungen des Fensters gehen verloren; sonst unterbleibt der Vorgang.</translation>
    </message>
    <message>
        <source>Betöltjük</source>
        <translation>Neu laden</translation>
    </message>
</context>
<context>
    <name>DoubleProcessDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A futó folyamat megszakítása.</source>
        <translation>Den laufenden Vorgang abbrechen.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A futó folyamat megszakítása.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den laufenden Vorgang abbrechen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>DuplexPrintDialog</name>
    <message>
        <source>Kézi kétoldalas nyomtatás</source>
        <translation>Manueller Duplexdruck</translation>
    </message>
    <message>
        <source>Minden oldal</source>
        <translation>Alle Seiten</translation>
    </message>
    <message>
        <source>A kiválasztott tartomány minden oldala nyomtatásra kerül.</source>
        <translation>Alle Seiten des gewählten Bereichs werden gedruckt.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiválasztott tartomány minden oldala nyomtatásra kerül.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Alle Seiten des gewählten Bereichs werden gedruckt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Csak a páratlan oldalak</source>
        <translation>Nur ungerade Seiten</translation>
    </message>
    <message>
        <source>A kiválasztott tartományból csak a páratlan oldalak nyomtatódnak ki.</source>
        <translation>Aus dem gewählten Bereich werden nur die ungeraden Seiten gedruckt.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiválasztott tartományból csak a páratlan oldalak nyomtatódnak ki.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Aus dem gewählten Bereich werden nur die ungeraden Seiten gedruckt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Csak a páros oldalak</source>
        <translation>Nur gerade Seiten</translation>
    </message>
    <message>
        <source>A kiválasztott tartományból csak a páros oldalak nyomtatódnak ki.</source>
        <translation>Aus dem gewählten Bereich werden nur die geraden Seiten gedruckt.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiválasztott tartományból csak a páros oldalak nyomtatódnak ki.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Aus dem gewählten Bereich werden nur die geraden Seiten gedruckt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Oldalak fordított sorrendben</source>
        <translation>Seiten in umgekehrter Reihenfolge</translation>
    </message>
    <message>
        <source>A nyomtatás az utolsó oldallal kezdődik, és az elsővel ér véget.</source>
        <translation>Der Druck beginnt mit der letzten Seite und endet mit der ersten.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A nyomtatás az utolsó oldallal kezdődik, és az elsővel ér véget.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Der Druck beginnt mit der letzten Seite und endet mit der ersten.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A nyomtatás elindítása</source>
        <translation>Den Druck starten</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A nyomtatás elindítása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Druck starten&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása a nyomtatás elindítása nélkül</source>
        <translation>Den Dialog schließen, ohne zu drucken</translation>
    </message>
</context>
<context>
    <name>EvaluationDlg</name>
    <message>
        <source>Őrjárat leírás kiválasztása</source>
        <translation>Routenplan wählen</translation>
    </message>
    <message>
        <source>Őrjárat leírások (*.%1 *.%2)</source>
        <translation>Routenpläne (*.%1 *.%2)</translation>
    </message>
</context>
<context>
    <name>EvaluationEngine</name>
    <message>
        <source>Teljesítés kiértékelés</source>
        <translation>Erfüllungsauswertung</translation>
    </message>
    <message>
        <source>naplók:</source>
        <translation>Protokolle:</translation>
    </message>
    <message>
        <source>bejegyzések:</source>
        <translation>Einträge:</translation>
    </message>
    <message>
        <source>Kiértékelés formázása</source>
        <translation>Auswertung formatieren</translation>
    </message>
    <message>
        <source>útvonal:</source>
        <translation>Route:</translation>
    </message>
    <message>
        <source>indulás:</source>
        <translation>Start:</translation>
    </message>
</context>
<context>
    <name>EvaluationModel</name>
    <message>
        <source>Szűkített jelentés %1 kezdéssel &quot;%2&quot; teljesítéséről</source>
        <translation>Reduzierter Bericht über die Erfüllung von „%2“ ab %1</translation>
    </message>
    <message>
        <source>Jelentés %1 kezdéssel &quot;%2&quot; teljesítéséről</source>
        <translation>Bericht über die Erfüllung von „%2“ ab %1</translation>
    </message>
    <message>
        <source>Részletes jelentés %1 kezdéssel &quot;%2&quot; teljesítéséről</source>
        <translation>Ausführlicher Bericht über die Erfüllung von „%2“ ab %1</translation>
    </message>
    <message>
        <source>Fejléc: %1 kezdés, &quot;%2&quot; útvonal</source>
        <translation>Kopfzeile: Beginn %1, Route „%2“</translation>
    </message>
    <message>
        <source>Érintett esemény napló(k): %1</source>
        <translation>Betroffene Ereignisprotokolle: %1</translation>
    </message>
    <message>
        <source>%1 ellenőrzése kimaradt!</source>
        <translation>%1 wurde nicht kontrolliert!</translation>
    </message>
    <message>
        <source>%1 kifogástalanul  ellenőrizve.</source>
        <translation>%1 einwandfrei kontrolliert.</translation>
    </message>
    <message>
        <source>%1 túl hosszú szünet(ek)!</source>
        <translation>%1 zu lange Pause(n)!</translation>
    </message>
    <message>
        <source>%1 időszak alatt nem volt ellenőrizve!</source>
        <translation>%1 wurde im Zeitraum nicht kontrolliert!</translation>
    </message>
    <message>
        <source>%1 sorrendi hiba!</source>
        <translation>%1 Reihenfolgefehler!</translation>
    </message>
    <message>
        <source>%1 túl hosszú követési idő!</source>
        <translation>%1 Abstand zu lang!</translation>
    </message>
    <message>
        <source>%1 helyett más pont!</source>
        <translation>Anderer Punkt statt %1!</translation>
    </message>
    <message>
        <source>%1 túl rövid követési idő!</source>
        <translation>%1 Abstand zu kurz!</translation>
    </message>
    <message>
        <source>%1 többszörösen ellenőrizve!</source>
        <translation>%1 mehrfach kontrolliert!</translation>
    </message>
    <message>
        <source>%1 RENDBEN TELJESÍTVE (%2)</source>
        <translation>%1 ORDNUNGSGEMÄSS ERFÜLLT (%2)</translation>
    </message>
    <message>
        <source>%1 RENDBEN TELJESÍTVE</source>
        <translation>%1 ORDNUNGSGEMÄSS ERFÜLLT</translation>
    </message>
    <message>
        <source>        - Egymást átfedő teljesítések! -</source>
        <translation>        - Überlappende Erfüllungen! -</translation>
    </message>
    <message>
        <source>%1 TÚL RÖVID KÖVETÉSI IDŐK! (%2)</source>
        <translation>%1 ABSTÄNDE ZU KURZ! (%2)</translation>
    </message>
    <message>
        <source>%1 TÚL RÖVID KÖVETÉSI IDŐK!</source>
        <translation>%1 ABSTÄNDE ZU KURZ!</translation>
    </message>
    <message>
        <source>%1 TÚL HOSSZÚ KÖVETÉSI IDŐK! (%2)</source>
        <translation>%1 ABSTÄNDE ZU LANG! (%2)</translation>
    </message>
    <message>
        <source>%1 TÚL HOSSZÚ KÖVETÉSI IDŐK!</source>
        <translation>%1 ABSTÄNDE ZU LANG!</translation>
    </message>
    <message>
        <source>        - Többszörösen teljesítve! -</source>
        <translation>        - Mehrfach erfüllt! -</translation>
    </message>
    <message>
        <source>%1 IDEGEN PONT(OK)! (%2)</source>
        <translation>%1 FREMDE(R) PUNKT(E)! (%2)</translation>
    </message>
    <message>
        <source>%1 IDEGEN PONT(OK)!</source>
        <translation>%1 FREMDE(R) PUNKT(E)!</translation>
    </message>
    <message>
        <source>%1 SORRENDI HIBA! (%2)</source>
        <translation>%1 REIHENFOLGEFEHLER! (%2)</translation>
    </message>
    <message>
        <source>%1 SORRENDI HIBA!</source>
        <translation>%1 REIHENFOLGEFEHLER!</translation>
    </message>
    <message>
        <source>%1 IDÖ ELTÉRÉS(EK)! (%2)</source>
        <translation>%1 ZEITABWEICHUNG(EN)! (%2)</translation>
    </message>
    <message>
        <source>%1 IDÖ ELTÉRÉS(EK)!</source>
        <translation>%1 ZEITABWEICHUNG(EN)!</translation>
    </message>
    <message>
        <source>%1 TÚL KEVÉS KÖR TELJESÍTVE! (%2)</source>
        <translation>%1 ZU WENIGE RUNDEN ERFÜLLT! (%2)</translation>
    </message>
    <message>
        <source>%1 TÚL KEVÉS KÖR TELJESÍTVE!</source>
        <translation>%1 ZU WENIGE RUNDEN ERFÜLLT!</translation>
    </message>
    <message>
        <source>%1 HOSSZÚ SZÜNET A KÖRÖK KÖZÖTT! (%2)</source>
        <translation>%1 LANGE PAUSE ZWISCHEN DEN RUNDEN! (%2)</translation>
    </message>
    <message>
        <source>%1 HOSSZÚ SZÜNET A KÖRÖK KÖZÖTT!</source>
        <translation>%1 LANGE PAUSE ZWISCHEN DEN RUNDEN!</translation>
    </message>
    <message>
        <source>%1 KIMARADT PONT(OK)! (%2)</source>
        <translation>%1 AUSGELASSENE(R) PUNKT(E)! (%2)</translation>
    </message>
    <message>
        <source>%1 KIMARADT PONT(OK)!</source>
        <translation>%1 AUSGELASSENE(R) PUNKT(E)!</translation>
    </message>
    <message>
        <source>%1 ÚTVONALBAN NINCS INDULÁSI IDŐ MEGADVA!</source>
        <translation>IN ROUTE %1 IST KEINE STARTZEIT ANGEGEBEN!</translation>
    </message>
    <message>
        <source>%1 ÚTVONALBAN NINCS ELLENŐRZŐ PONT MEGADVA!</source>
        <translation>IN ROUTE %1 IST KEIN KONTROLLPUNKT ANGEGEBEN!</translation>
    </message>
    <message>
        <source>%1 NINCS VÉGREHAJTVA!!!</source>
        <translation>%1 NICHT AUSGEFÜHRT!!!</translation>
    </message>
    <message>
        <source>*** A teljes őrjárat hibátlanul teljesítve! ***</source>
        <translation>*** Der gesamte Rundgang wurde fehlerfrei erfüllt! ***</translation>
    </message>
    <message>
        <source>&quot;%1&quot; naplóban %2 rendkívüli esemény!</source>
        <translation>Außerordentliches Ereignis in Protokoll „%1“: %2!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; esemény napló nem hozzáférhető!</source>
        <translation>Ereignisprotokoll „%1“ ist nicht zugänglich!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; naplóban nincs a vizsgált időtartományba eső bejegyzés!</source>
        <translation>Protokoll „%1“ hat keinen Eintrag im geprüften Zeitraum!</translation>
    </message>
    <message>
        <source>Egyetlen esemény napló sincs megadva, nincs mit kiértékelni!</source>
        <translation>Kein Ereignisprotokoll angegeben, es gibt nichts auszuwerten!</translation>
    </message>
    <message>
        <source>Egyetlen bejárási útvonal sincs meghatározva, nincs mit kiértékelni!</source>
        <translation>Keine Route festgelegt, es gibt nichts auszuwerten!</translation>
    </message>
    <message>
        <source>%1 HIBÁSAN TELJESÍTVE!</source>
        <translation>%1 FEHLERHAFT ERFÜLLT!</translation>
    </message>
    <message>
        <source>%1 HIBÁSAN TELJESÍTVE! (%2)</source>
        <translation>%1 FEHLERHAFT ERFÜLLT! (%2)</translation>
    </message>
    <message>
        <source>%1 kimaradt %2x és túl hosszú követési idő!</source>
        <translation>%1 %2x ausgelassen und Abstand zu lang!</translation>
    </message>
    <message>
        <source>%1 kimaradt %2x és túl rövid követési idő!</source>
        <translation>%1 %2x ausgelassen und Abstand zu kurz!</translation>
    </message>
    <message>
        <source>%1 túl rövid és túl hosszú követési idő is előfordult!</source>
        <translation>%1: Abstände sowohl zu kurz als auch zu lang!</translation>
    </message>
    <message>
        <source>%1 teljesítésénél többféle hiba!</source>
        <translation>%1: mehrere Fehlerarten bei der Erfüllung!</translation>
    </message>
    <message>
        <source>Teljesítés jelentés mentés</source>
        <translation>Erfüllungsbericht speichern</translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni a teljesítés jelentést
Nincs név megadva hozzá!</source>
        <translation>Der Erfüllungsbericht konnte nicht gespeichert werden
Er hat keinen Namen!</translation>
    </message>
    <message>
        <source>A mentés sikertelen!
%1
adat írási hiba.</source>
        <translation>Speichern fehlgeschlagen!
%1
Fehler beim Schreiben der Daten.</translation>
    </message>
    <message>
        <source>Teljesítés jelentés megnyitás</source>
        <translation>Erfüllungsbericht öffnen</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a teljesítés jelentést
Nincs név megadva hozzá!</source>
        <translation>Der Erfüllungsbericht konnte nicht geöffnet werden
Er hat keinen Namen!</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a teljesítés jelentést
%1
Ez a fájl nem létezik</source>
        <translation>Der Erfüllungsbericht konnte nicht geöffnet werden
%1
Diese Datei existiert nicht</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a teljesítés jelentést:
%1
%2</source>
        <translation>Der Erfüllungsbericht konnte nicht geöffnet werden:
%1
%2</translation>
    </message>
    <message>
        <source>A beolvasás sikertelen!
%1
sérült, vagy nem megfelelő.</source>
        <translation>Einlesen fehlgeschlagen!
%1
ist beschädigt oder ungeeignet.</translation>
    </message>
    <message numerus="yes">
        <source>%1 elmaradt %n ellenőrzés!</source>
        <translation>
            <numerusform>%1: %n Kontrolle ausgeblieben!</numerusform>
            <numerusform>%1: %n Kontrollen ausgeblieben!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ellenőrzése %n perc idő eltéréssel!</source>
        <translation>
            <numerusform>%1 mit %n Minute Zeitabweichung kontrolliert!</numerusform>
            <numerusform>%1 mit %n Minuten Zeitabweichung kontrolliert!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 idegen pont és %n perc idő eltérés!</source>
        <translation>
            <numerusform>%1 fremder Punkt und %n Minute Zeitabweichung!</numerusform>
            <numerusform>%1 fremder Punkt und %n Minuten Zeitabweichung!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 rossz sorrend és %n perc idő eltérés!</source>
        <translation>
            <numerusform>%1 falsche Reihenfolge und %n Minute Zeitabweichung!</numerusform>
            <numerusform>%1 falsche Reihenfolge und %n Minuten Zeitabweichung!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ellenőrzésénél %n perc idő eltérés! (többszörös teljesítés ellenére)</source>
        <translation>
            <numerusform>%1 bei der Kontrolle %n Minute Zeitabweichung! (trotz mehrfacher Erfüllung)</numerusform>
            <numerusform>%1 bei der Kontrolle %n Minuten Zeitabweichung! (trotz mehrfacher Erfüllung)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hosszú kihagyás és %n perc idő eltérés!</source>
        <translation>
            <numerusform>%1 lange Lücke und %n Minute Zeitabweichung!</numerusform>
            <numerusform>%1 lange Lücke und %n Minuten Zeitabweichung!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 kimaradt ellenőrzés(ek) és %n perc idő eltérés!</source>
        <translation>
            <numerusform>%1 ausgelassene Kontrolle(n) und %n Minute Zeitabweichung!</numerusform>
            <numerusform>%1 ausgelassene Kontrolle(n) und %n Minuten Zeitabweichung!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ellenőrzésénél %n perc idő eltérés és további hibák!</source>
        <translation>
            <numerusform>%1 bei der Kontrolle %n Minute Zeitabweichung und weitere Fehler!</numerusform>
            <numerusform>%1 bei der Kontrolle %n Minuten Zeitabweichung und weitere Fehler!</numerusform>
        </translation>
    </message>
    <message>
        <source>A mentés sikertelen!
%1
%2.</source>
        <translation>Speichern fehlgeschlagen!
%1
%2.</translation>
    </message>
</context>
<context>
    <name>EvaluationRow</name>
    <message>
        <source>akku töltés kezdés</source>
        <translation>Beginn Akkuladung</translation>
    </message>
    <message>
        <source>nedvesség detektálás vége</source>
        <translation>Ende Feuchtigkeit</translation>
    </message>
    <message>
        <source>burkolat zárás</source>
        <translation>Gehäuse geschlossen</translation>
    </message>
    <message>
        <source>akku feltöltve</source>
        <translation>Akku geladen</translation>
    </message>
    <message>
        <source>óra átállítás</source>
        <translation>Uhr gestellt</translation>
    </message>
    <message>
        <source>kiolvasva</source>
        <translation>ausgelesen</translation>
    </message>
    <message>
        <source>nincs adat eddig</source>
        <translation>keine Daten bis</translation>
    </message>
    <message>
        <source>archiválva ettől</source>
        <translation>archiviert ab</translation>
    </message>
    <message>
        <source>inicializálva</source>
        <translation>initialisiert</translation>
    </message>
</context>
<context>
    <name>EvaluationTableView</name>
    <message>
        <source>Teljesítés jelentés</source>
        <translation>Erfüllungsbericht</translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Teljesítés jelentés exportálás</source>
        <translation>Erfüllungsbericht exportieren</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation>%1 konnte nicht exportiert werden
%2.</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation>%1 konnte nicht exportiert werden
Fehler beim Schreiben der Datei.</translation>
    </message>
</context>
<context>
    <name>EvaluationView</name>
    <message>
        <source>Teljesítés jelentés mentés</source>
        <translation>Erfüllungsbericht speichern</translation>
    </message>
    <message>
        <source>Teljesítés jelentések (*.%1)</source>
        <translation>Erfüllungsberichte (*.%1)</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Exportálás</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>fájlnév:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>A létrehozandó fájl neve, amibe az adatok exportálásra kerülnek</source>
        <translation>Name der anzulegenden Datei, in die die Daten exportiert werden</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A létrehozandó fájl neve, amibe az adatok exportálásra kerülnek&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Name der anzulegenden Datei, in die die Daten exportiert werden&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>A fájl böngésző használata az exportálás célfájljának kiválasztására</source>
        <translation>Die Zieldatei des Exports mit dem Dateibrowser wählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A fájl böngésző használata az exportálás célfájljának kiválasztására&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Zieldatei des Exports mit dem Dateibrowser wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>formátum:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Az exportálás fájl típusának kiválasztása</source>
        <translation>Den Dateityp des Exports wählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az exportálás fájl típusának kiválasztása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Dateityp des Exports wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Oldal beállítás</source>
        <translation>Seite einrichten</translation>
    </message>
    <message>
        <source>Az exportált oldalak kinézetét meghatározó beállítások megadása egy felugró párbeszéd ablakban</source>
        <translation>Die Einstellungen für das Aussehen der exportierten Seiten in einem eigenen Dialog festlegen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az exportált oldalak kinézetét meghatározó beállítások megadása egy felugró párbeszéd ablakban&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Einstellungen für das Aussehen der exportierten Seiten in einem eigenen Dialog festlegen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>exportálandó tartomány</source>
        <translation>Exportbereich</translation>
    </message>
    <message>
        <source>Az exportálandó adat tartomány meghatározása</source>
        <translation>Den zu exportierenden Datenbereich festlegen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az exportálandó adat tartomány meghatározása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den zu exportierenden Datenbereich festlegen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>minden</source>
        <translation>alles</translation>
    </message>
    <message>
        <source>A teljes dokumentum exportálásra kerül</source>
        <translation>Das ganze Dokument wird exportiert</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A teljes dokumentum exportálásra kerül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Das ganze Dokument wird exportiert&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>kijelölt tartomány</source>
        <translation>markierter Bereich</translation>
    </message>
    <message>
        <source>Csak a kijelölt (kiemelten megjelenített) adatok kerülnek exportálásra</source>
        <translation>Nur die markierten (hervorgehobenen) Daten werden exportiert</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a kijelölt (kiemelten megjelenített) adatok kerülnek exportálásra&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nur die markierten (hervorgehobenen) Daten werden exportiert&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>kurzor sorig</source>
        <translation>bis zur Cursorzeile</translation>
    </message>
    <message>
        <source>Exportálás a dokumentum kezdetétől addig a sorig, ahol a kurzor áll</source>
        <translation>Vom Anfang des Dokuments bis zur Zeile des Cursors exportieren</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Exportálás a dokumentum kezdetétől addig a sorig, ahol a kurzor áll&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Vom Anfang des Dokuments bis zur Zeile des Cursors exportieren&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>kurzor sortól</source>
        <translation>ab der Cursorzeile</translation>
    </message>
    <message>
        <source>Exportálás a dokumentum végéig attól a sortól, ahol a kurzor áll</source>
        <translation>Von der Zeile des Cursors bis zum Ende des Dokuments exportieren</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Exportálás a dokumentum végéig attól a sortól, ahol a kurzor áll&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Von der Zeile des Cursors bis zum Ende des Dokuments exportieren&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>oldalak</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Csak a megadott lap tartományba eső oldalak exportálása</source>
        <translation>Nur die Seiten im angegebenen Seitenbereich exportieren</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a megadott lap tartományba eső oldalak exportálása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nur die Seiten im angegebenen Seitenbereich exportieren&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>érvényességi dátumot is exportálja</source>
        <translation>auch das Gültigkeitsdatum exportieren</translation>
    </message>
    <message>
        <source>Az egyes bejegyzésekhez tartozó érvényesség kezdete dátum is exportálásra kerül</source>
        <translation>Das Datum, ab dem ein Eintrag gilt, wird mit exportiert</translation>
    </message>
    <message>
        <source>színbeállításokat is exportálja</source>
        <translation>auch die Farben exportieren</translation>
    </message>
    <message>
        <source>Az egyes bejegyzések háttér, és betűszín beállításai is exportálásra kerülnek</source>
        <translation>Hintergrund- und Schriftfarbe der Einträge werden mit exportiert</translation>
    </message>
    <message>
        <source>&amp;Exportálás</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>A megadott paraméterek szerinti adat exportálás elindítása</source>
        <translation>Den Export mit den angegebenen Einstellungen starten</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott paraméterek szerinti adat exportálás elindítása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Export mit den angegebenen Einstellungen starten&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Mégsem</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása az exportálás elindítása nélkül</source>
        <translation>Den Dialog schließen, ohne zu exportieren</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A párbeszéd ablak bezárása az exportálás elindítása nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Dialog schließen, ohne zu exportieren&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Egyszerű szöveg (*.%1)</source>
        <translation>Text (*.%1)</translation>
    </message>
    <message>
        <source>eXtensible Markup Language (*.%1)</source>
        <translation>eXtensible Markup Language (*.%1)</translation>
    </message>
    <message>
        <source>Portable Document Format (*.%1)</source>
        <translation>Portable Document Format (*.%1)</translation>
    </message>
    <message>
        <source>Egyszerű szöveg (*.%1);;eXtensible Markup Language (*.%2);;Portable Document Format (*.%3)</source>
        <translation>Text (*.%1);;eXtensible Markup Language (*.%2);;Portable Document Format (*.%3)</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>%1 nevű fájl már létezik.
Felülírjuk?</source>
        <translation>Die Datei %1 existiert bereits.
Überschreiben?</translation>
    </message>
    <message>
        <source>Igen</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation>%1 konnte nicht exportiert werden
Fehler beim Schreiben der Datei.</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation>%1 konnte nicht exportiert werden
%2.</translation>
    </message>
    <message>
        <source>Nincs nyomtatható oldal.
%1 nem készült el.</source>
        <translation>Es gibt keine Seite zu drucken.
%1 wurde nicht erstellt.</translation>
    </message>
</context>
<context>
    <name>ExtractRouteDlg</name>
    <message>
        <source>Naplóból útvonal terv kiemelése</source>
        <translation>Routenplan aus dem Protokoll erstellen</translation>
    </message>
    <message>
        <source>első pont az indulási időtől:</source>
        <translation>erster Punkt nach der Startzeit:</translation>
    </message>
    <message>
        <source>Az útvonal bejárásának megkezdésekor az első pont eléréshez szükséges idő</source>
        <translation>Die Zeit vom Start der Route bis zum Erreichen des ersten Punktes</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal bejárásának megkezdésekor az első pont eléréshez szükséges idő&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Zeit vom Start der Route bis zum Erreichen des ersten Punktes&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>perc</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Az esemény naplóban kijelölt, az útvonal tervbe átemelendő ellenőrző pontok listája</source>
        <translation>Die im Ereignisprotokoll markierten Kontrollpunkte, die in den Routenplan übernommen werden</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az esemény naplóban kijelölt, az útvonal tervbe átemelendő ellenőrző pontok listája&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die im Ereignisprotokoll markierten Kontrollpunkte, die in den Routenplan übernommen werden&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>útvonal terv:</source>
        <translation>Routenplan:</translation>
    </message>
    <message>
        <source>Az útvonal terv fájl neve, amibe a kijelölt ellenőrzési pontokból álló útvonal kerül</source>
        <translation>Name der Routenplandatei, in die die Route aus den markierten Kontrollpunkten kommt</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal terv fájl neve, amibe a kijelölt ellenőrzési pontokból álló útvonal kerül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Name der Routenplandatei, in die die Route aus den markierten Kontrollpunkten kommt&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Az útvonal terv kiválasztása a fájl böngésző segítségével</source>
        <translation>Den Routenplan mit dem Dateibrowser wählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal terv kiválasztása a fájl böngésző segítségével&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Routenplan mit dem Dateibrowser wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>útvonal név:</source>
        <translation>Routenname:</translation>
    </message>
    <message>
        <source>A most létrehozandó útvonalnak egy tetszőleges, de egyedi nevet kell adni</source>
        <translation>Die neue Route braucht einen beliebigen, aber eindeutigen Namen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A most létrehozandó útvonalnak egy tetszőleges, de egyedi nevet kell adni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die neue Route braucht einen beliebigen, aber eindeutigen Namen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>útvonal típus:</source>
        <translation>Routentyp:</translation>
    </message>
    <message>
        <source>Az útvonal típusa határozza meg az ellenőrzési pontok, és a bejárási idők megadásának módját</source>
        <translation>Der Routentyp bestimmt, wie die Kontrollpunkte und Begehungszeiten angegeben werden</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal típusa határozza meg az ellenőrzési pontok, és a bejárási idők megadásának módját&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Der Routentyp bestimmt, wie die Kontrollpunkte und Begehungszeiten angegeben werden&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A megadottak szerinti útvonal felvétele</source>
        <translation>Die Route wie angegeben aufnehmen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadottak szerinti útvonal felvétele&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Route wie angegeben aufnehmen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Elveti az útvonalat és bezárja a párbeszéd ablakot</source>
        <translation>Verwirft die Route und schließt den Dialog</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Elveti az útvonalat és bezárja a párbeszéd ablakot&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Verwirft die Route und schließt den Dialog&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Őrjárat leírás kiválasztása</source>
        <translation>Routenplan wählen</translation>
    </message>
    <message>
        <source>Őrjárat leírások (*.%1)</source>
        <translation>Routenpläne (*.%1)</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Egyszerű szöveg (*.%1)</source>
        <translation>Text (*.%1)</translation>
    </message>
</context>
<context>
    <name>Fulfilment</name>
    <message>
        <source>útvonalterv</source>
        <translation>Routenplan</translation>
    </message>
</context>
<context>
    <name>InitDlg</name>
    <message>
        <source>Inicializálás</source>
        <translation>Initialisierung</translation>
    </message>
    <message>
        <source>Eredeti azonosító név:</source>
        <translation>Ursprünglicher Gerätename:</translation>
    </message>
    <message>
        <source>Gyári szám:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Legutóbbi kiolvasás:</source>
        <translation>Letztes Auslesen:</translation>
    </message>
    <message>
        <source>Elem állapota:</source>
        <translation>Batteriezustand:</translation>
    </message>
    <message>
        <source>Burkolat állapot:</source>
        <translation>Gehäusezustand:</translation>
    </message>
    <message>
        <source>Nedvesség érzékelés:</source>
        <translation>Feuchtigkeitserkennung:</translation>
    </message>
    <message>
        <source>Óra állapota:</source>
        <translation>Uhrzustand:</translation>
    </message>
    <message>
        <source>Új azonosító név:</source>
        <translation>Neuer Gerätename:</translation>
    </message>
    <message>
        <source>A készüléket azonosító 8 karakterből álló egyedi név, ami nem tartalmazhat szóközt</source>
        <translation>Eindeutiger Name des Geräts aus 8 Zeichen, ohne Leerzeichen</translation>
    </message>
    <message>
        <source>Beállítandó idő:</source>
        <translation>Einzustellende Zeit:</translation>
    </message>
    <message>
        <source>A készülék órája tetszőleges időpontra beállítható</source>
        <translation>Die Uhr des Geräts kann auf eine beliebige Zeit gestellt werden</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A készülék órája tetszőleges időpontra beállítható&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Uhr des Geräts kann auf eine beliebige Zeit gestellt werden&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>PC idővel</source>
        <translation>Mit PC-Zeit</translation>
    </message>
    <message>
        <source>A készülék átnevezése, órájának számítógéphez igazítása, és egy új, üres esemény napló létrehozása hozzá.</source>
        <translation>Das Gerät umbenennen, seine Uhr an den Computer angleichen und ein neues, leeres Ereignisprotokoll dafür anlegen.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A készülék átnevezése, órájának számítógéphez igazítása, és egy új, üres esemény napló létrehozása hozzá.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Das Gerät umbenennen, seine Uhr an den Computer angleichen und ein neues, leeres Ereignisprotokoll dafür anlegen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Ezzel az idővel</source>
        <translation>Mit dieser Zeit</translation>
    </message>
    <message>
        <source>A készülék átnevezése, órájának a megadott időre állítása, és egy új, üres esemény napló létrehozása hozzá.</source>
        <translation>Das Gerät umbenennen, seine Uhr auf die angegebene Zeit stellen und ein neues, leeres Ereignisprotokoll dafür anlegen.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A készülék átnevezése, órájának a megadott időre állítása, és egy új, üres esemény napló létrehozása hozzá.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Das Gerät umbenennen, seine Uhr auf die angegebene Zeit stellen und ein neues, leeres Ereignisprotokoll dafür anlegen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Minden változtatás elvetése és a párbeszéd ablak bezárása</source>
        <translation>Alle Änderungen verwerfen und den Dialog schließen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minden változtatás elvetése és a párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Alle Änderungen verwerfen und den Dialog schließen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Szóköz, és az alábbi karakterek nem megengedettek:
\  /  .  :  ?  *</source>
        <translation>Leerzeichen und die folgenden Zeichen sind nicht erlaubt:
\  /  .  :  ?  *</translation>
    </message>
    <message>
        <source>A név legalább egy,
és legfeljebb nyolc karakterből állhat!</source>
        <translation>Der Name muss mindestens ein
und höchstens acht Zeichen lang sein!</translation>
    </message>
    <message>
        <source>%1 néven már van kiolvasott esemény napló.
Adjon meg egy még nem használt nevet!</source>
        <translation>Unter dem Namen %1 gibt es bereits ein ausgelesenes Ereignisprotokoll.
Geben Sie einen noch nicht verwendeten Namen an!</translation>
    </message>
</context>
<context>
    <name>KodNevEditDialog</name>
    <message>
        <source>Kód-Név felvétel</source>
        <translation>Code-Name hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Kód:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>Az ellenőrző pont 12 karakterből álló azonosító kódja, amely az A...P betűket tartalmazhatja</source>
        <translation>Der 12-stellige Code des Kontrollpunkts aus den Buchstaben A...P</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pont 12 karakterből álló azonosító kódja, amely az A...P betűket tartalmazhatja&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Der 12-stellige Code des Kontrollpunkts aus den Buchstaben A...P&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Elnevezés:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Az ellenőrző pontot tetszőlegesen elnevezheti, de az elnevezés legfeljebb 80 karakterből állhat. Ezt a mezőt nem hagyhatja üresen.</source>
        <translation>Sie können den Kontrollpunkt frei benennen, der Name darf aber höchstens 80 Zeichen lang sein. Das Feld darf nicht leer bleiben.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontot tetszőlegesen elnevezheti, de az elnevezés legfeljebb 80 karakterből állhat. Ezt a mezőt nem hagyhatja üresen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sie können den Kontrollpunkt frei benennen, der Name darf aber höchstens 80 Zeichen lang sein. Das Feld darf nicht leer bleiben.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Érvényesség kez&amp;dete:</source>
        <translation>Gültig a&amp;b:</translation>
    </message>
    <message>
        <source>A megadott kódhoz tartozó elnevezés ezen dátumtól kezdődően érvényes.</source>
        <translation>Der Name des angegebenen Codes gilt ab diesem Datum.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott kódhoz tartozó elnevezés ezen dátumtól kezdődően érvényes.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Der Name des angegebenen Codes gilt ab diesem Datum.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Háttér szín</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Betű szín</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Az elnevezés rögzítése a kódlistában</source>
        <translation>Den Namen in die Codeliste aufnehmen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az elnevezés rögzítése a kódlistában&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Namen in die Codeliste aufnehmen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A bevitt adatok elvetése és a párbeszéd ablak bezárása</source>
        <translation>Die Eingaben verwerfen und den Dialog schließen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A bevitt adatok elvetése és a párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Eingaben verwerfen und den Dialog schließen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kód-Név szerkesztés</source>
        <translation>Code-Name bearbeiten</translation>
    </message>
    <message>
        <source>Kód-Név törlés</source>
        <translation>Code-Name löschen</translation>
    </message>
    <message>
        <source>Töröl</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>mindig érvényes</source>
        <translation>immer gültig</translation>
    </message>
</context>
<context>
    <name>KodNevModel</name>
    <message>
        <source>%1 kód %2 dátummal már szerepel</source>
        <translation>Der Code %1 mit dem Datum %2 ist bereits vorhanden</translation>
    </message>
    <message>
        <source>néven.</source>
        <translation>benannt.</translation>
    </message>
    <message>
        <source>Átnevezzük erre:</source>
        <translation>Umbenennen in:</translation>
    </message>
    <message>
        <source>Figyelem</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Átnevez</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>sor</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Érvényes</source>
        <translation>Gültig</translation>
    </message>
    <message>
        <source>Kód</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Megnevezés</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Kód-név lista beolvasás</source>
        <translation>Code-Namen-Liste einlesen</translation>
    </message>
    <message>
        <source>A beolvasás sikertelen!
%1
sérült, vagy nem megfelelő.</source>
        <translation>Einlesen fehlgeschlagen!
%1
ist beschädigt oder ungeeignet.</translation>
    </message>
    <message>
        <source>%1
nem volt beolvasható.
Felülírjuk a jelenlegi kód-név listával?</source>
        <translation>%1
konnte nicht gelesen werden.
Mit der aktuellen Code-Namen-Liste überschreiben?</translation>
    </message>
    <message>
        <source>Felülír</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Hibaüzenet</source>
        <translation>Fehlermeldung</translation>
    </message>
    <message>
        <source>A kód-név fájl mentése sikertelen!</source>
        <translation>Speichern der Code-Namen-Datei fehlgeschlagen!</translation>
    </message>
    <message numerus="yes">
        <source>%1
%n bejegyzés neve üres vagy 80 karakternél hosszabb volt, ezek kimaradtak.</source>
        <translation>
            <numerusform>%1
Bei %n Eintrag war der Name leer oder länger als 80 Zeichen; er wurde ausgelassen.</numerusform>
            <numerusform>%1
Bei %n Einträgen war der Name leer oder länger als 80 Zeichen; sie wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a kód-név listát:
%1
%2</source>
        <translation>Die Code-Namen-Liste konnte nicht geöffnet werden:
%1
%2</translation>
    </message>
    <message>
        <source>A kód-név fájl mentése sikertelen!
%1
%2.</source>
        <translation>Speichern der Code-Namen-Datei fehlgeschlagen!
%1
%2.</translation>
    </message>
    <message>
        <source>%1
Mióta ez a program beolvasta vagy elmentette, a kód-név lista fájlja megváltozott.
Felülírjuk a másik változatot? Ha nem, most nem mentünk: a lista bejegyzései a programban maradnak, és a következő mentés újra megkérdezi.</source>
        <translation>%1
Die Datei der Code-Namen-Liste wurde geändert, seit dieses Programm sie gelesen oder gespeichert hat.
Die andere Fassung überschreiben? Wenn nicht, wird jetzt nicht gespeichert: Die Einträge der Liste bleiben im Programm, und das nächste Speichern fragt erneut.</translation>
    </message>
    <message>
        <source>Felülírjuk</source>
        <translation>Überschreiben</translation>
    </message>
</context>
<context>
    <name>KodnevView</name>
    <message>
        <source>Nem töltötte ki a kód mezőt
</source>
        <translation>Das Codefeld ist leer
</translation>
    </message>
    <message>
        <source>Érvénytelen kód: %1
</source>
        <translation>Ungültiger Code: %1
</translation>
    </message>
    <message>
        <source>Nem megfelelő név: %1
</source>
        <translation>Ungeeigneter Name: %1
</translation>
    </message>
    <message>
        <source>Érvénytelen dátum: %1</source>
        <translation>Ungültiges Datum: %1</translation>
    </message>
    <message>
        <source>A bejegyzés nem lett felvéve!</source>
        <translation>Der Eintrag wurde nicht aufgenommen!</translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Kód-név lista exportálás</source>
        <translation>Code-Namen-Liste exportieren</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation>%1 konnte nicht exportiert werden
%2.</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation>%1 konnte nicht exportiert werden
Fehler beim Schreiben der Datei.</translation>
    </message>
    <message>
        <source>Kódlista</source>
        <translation>Codeliste</translation>
    </message>
    <message>
        <source>nem UTF-8 kódolású szöveg</source>
        <translation>kein UTF-8-kodierter Text</translation>
    </message>
    <message>
        <source>a sor nem cellákkal kezdődik</source>
        <translation>die Zeile beginnt nicht mit Zellen</translation>
    </message>
    <message>
        <source>érvénytelen kód: %1</source>
        <translation>ungültiger Code: %1</translation>
    </message>
    <message>
        <source>Kód-név lista importálás</source>
        <translation>Code-Namen-Liste importieren</translation>
    </message>
    <message>
        <source>%1 nem létezik.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 importálása nem sikerült
%2.</source>
        <translation>%1 konnte nicht importiert werden
%2.</translation>
    </message>
    <message>
        <source>a fájl túl nagy egy kód-név listához</source>
        <translation>die Datei ist für eine Code-Namen-Liste zu groß</translation>
    </message>
    <message>
        <source>%1. sor: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 nem megfelelő adatokat tartalmaz.
%2.</source>
        <translation>%1 enthält keine passenden Daten.
%2.</translation>
    </message>
</context>
<context>
    <name>LogFindDlg</name>
    <message>
        <source>Keresés az esemény naplóban</source>
        <translation>Suche im Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Dátumot</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>A keresés figyelembe veszi a bejegyzés dátumát</source>
        <translation>Die Suche berücksichtigt das Datum des Eintrags</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresés figyelembe veszi a bejegyzés dátumát&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Suche berücksichtigt das Datum des Eintrags&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A keresendő dátum</source>
        <translation>Das gesuchte Datum</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresendő dátum&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Das gesuchte Datum&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A keresés nem csak a dátumra, hanem az időpontra is kiterjed</source>
        <translation>Die Suche erfasst nicht nur das Datum, sondern auch die Uhrzeit</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresés nem csak a dátumra, hanem az időpontra is kiterjed&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Suche erfasst nicht nur das Datum, sondern auch die Uhrzeit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>A keresendő időpont</source>
        <translation>Die gesuchte Uhrzeit</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresendő időpont&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die gesuchte Uhrzeit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Találat csak pontos egyezésre</source>
        <translation>Nur genaue Treffer</translation>
    </message>
    <message>
        <source>Ha nincs kipipálva, a keresés irányától függően elfogadja a megadottat megelőző, illetve követő dátumot is</source>
        <translation>Ohne Haken wird je nach Suchrichtung auch ein Datum davor bzw. danach akzeptiert</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ha nincs kipipálva, a keresés irányától függően elfogadja a megadottat megelőző, illetve követő dátumot is&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ohne Haken wird je nach Suchrichtung auch ein Datum davor bzw. danach akzeptiert&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Bejegyzést</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>A keresés figyelembe veszi a bejegyzés típusát, illetve az ellenőrző pont kódját</source>
        <translation>Die Suche berücksichtigt die Art des Eintrags bzw. den Code des Kontrollpunkts</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresés figyelembe veszi a bejegyzés típusát, illetve az ellenőrző pont kódját&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Suche berücksichtigt die Art des Eintrags bzw. den Code des Kontrollpunkts&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Rendkívüli bejegyzés</source>
        <translation>Außerordentlicher Eintrag</translation>
    </message>
    <message>
        <source>Valamilyen rendkívüli (nem pont érintés) bejegyzést keres</source>
        <translation>Sucht einen außerordentlichen Eintrag (keine Punktberührung)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Valamilyen rendkívüli (nem pont érintés) bejegyzést keres&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sucht einen außerordentlichen Eintrag (keine Punktberührung)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A keresendő rendkívüli bejegyzés típusának meghatározása</source>
        <translation>Die Art des gesuchten außerordentlichen Eintrags</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresendő rendkívüli bejegyzés típusának meghatározása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Art des gesuchten außerordentlichen Eintrags&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Bármilyen</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>Manipuláció</source>
        <translation>Manipulation</translation>
    </message>
    <message>
        <source>Inicializálás</source>
        <translation>Initialisierung</translation>
    </message>
    <message>
        <source>Óra beállítás</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>Burkolat megbontás</source>
        <translation>Gehäuse geöffnet</translation>
    </message>
    <message>
        <source>Nedvesség érzékelés</source>
        <translation>Feuchtigkeitserkennung</translation>
    </message>
    <message>
        <source>Akku kimerülés</source>
        <translation>Akku leer</translation>
    </message>
    <message>
        <source>Akku mélykisülés</source>
        <translation>Akku-Tiefentladung</translation>
    </message>
    <message>
        <source>Kiolvasás</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Archiválás</source>
        <translation>Archivierung</translation>
    </message>
    <message>
        <source>Adatvesztés</source>
        <translation>Datenverlust</translation>
    </message>
    <message>
        <source>Hosszú szünet</source>
        <translation>Lange Pause</translation>
    </message>
    <message>
        <source>Ellenőrzőpont</source>
        <translation>Kontrollpunkt</translation>
    </message>
    <message>
        <source>Keresés az ellenőrző pont érintés bejegyzések között</source>
        <translation>Suche unter den Punktberührungen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Keresés az ellenőrző pont érintés bejegyzések között&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Suche unter den Punktberührungen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>AAAAAAAAAAAA</source>
        <translation>AAAAAAAAAAAA</translation>
    </message>
    <message>
        <source>A keresendő ellenőrző pont azonosító kódja</source>
        <translation>Der Code des gesuchten Kontrollpunkts</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresendő ellenőrző pont azonosító kódja&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Der Code des gesuchten Kontrollpunkts&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Választás a már elnevezett ellenőrzési pontok listájából</source>
        <translation>Aus der Liste der bereits benannten Kontrollpunkte wählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Választás a már elnevezett ellenőrzési pontok listájából&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Aus der Liste der bereits benannten Kontrollpunkte wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Visszafelé</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Ha ki van pipálva, a napló végétől az eleje felé haladva keres</source>
        <translation>Mit Haken wird vom Protokollende zum Anfang hin gesucht</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ha ki van pipálva, a napló végétől az eleje felé haladva keres&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Mit Haken wird vom Protokollende zum Anfang hin gesucht&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Keres</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>A megadott paramétereknek megfelelő bejegyzés keresése</source>
        <translation>Einen Eintrag nach den angegebenen Merkmalen suchen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott paramétereknek megfelelő bejegyzés keresése&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Einen Eintrag nach den angegebenen Merkmalen suchen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A keresés befejezése, és a párbeszéd ablak bezárása</source>
        <translation>Die Suche beenden und den Dialog schließen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresés befejezése, és a párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Suche beenden und den Dialog schließen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>LogModel</name>
    <message>
        <source>sor</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Dátum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Kód</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Leírás</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Esemény napló megnyitás</source>
        <translation>Ereignisprotokoll öffnen</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az esemény naplót
Nincs név megadva hozzá!</source>
        <translation>Das Ereignisprotokoll konnte nicht geöffnet werden
Es hat keinen Namen!</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az esemény naplót
%1
Ez a fájl nem létezik</source>
        <translation>Das Ereignisprotokoll konnte nicht geöffnet werden
%1
Diese Datei existiert nicht</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az esemény naplót:
%1
%2</source>
        <translation>Das Ereignisprotokoll konnte nicht geöffnet werden:
%1
%2</translation>
    </message>
    <message>
        <source>A beolvasás sikertelen!
%1
sérült, vagy nem megfelelő.</source>
        <translation>Einlesen fehlgeschlagen!
%1
ist beschädigt oder ungeeignet.</translation>
    </message>
    <message>
        <source>A beolvasás sikertelen!
%1
adat olvasási hiba.</source>
        <translation>Einlesen fehlgeschlagen!
%1
Lesefehler.</translation>
    </message>
    <message>
        <source>Esemény napló mentés</source>
        <translation>Ereignisprotokoll speichern</translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni az esemény naplót
Nincs név megadva hozzá!</source>
        <translation>Das Ereignisprotokoll konnte nicht gespeichert werden
Es hat keinen Namen!</translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni az esemény naplót
%1</source>
        <translation>Das Ereignisprotokoll konnte nicht gespeichert werden
%1</translation>
    </message>
    <message>
        <source>A bejegyzés nem lett felvéve!</source>
        <translation>Der Eintrag wurde nicht aufgenommen!</translation>
    </message>
    <message>
        <source>Nem megfelelő név: %1
</source>
        <translation>Ungeeigneter Name: %1
</translation>
    </message>
    <message>
        <source>Az archív fájl létrehozása nem sikerült!</source>
        <translation>Die Archivdatei konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Az esemény napló mentése nem sikerült:
%1
Az archiválás elmaradt, a napló változatlan.</source>
        <translation>Das Ereignisprotokoll konnte nicht gespeichert werden:
%1
Es wurde nicht archiviert, das Protokoll ist unverändert.</translation>
    </message>
    <message>
        <source>A mentés sikertelen!
%1
adat írási hiba.</source>
        <translation>Speichern fehlgeschlagen!
%1
Fehler beim Schreiben der Daten.</translation>
    </message>
    <message numerus="yes">
        <source>%n nap </source>
        <translation>
            <numerusform>%n Tag </numerusform>
            <numerusform>%n Tage </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogReadOut</name>
    <message>
        <source>Óra beállítás</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék órája nem pontos.
Hozzáigazítsuk a számítógéphez?</source>
        <translation>Die Uhr des angeschlossenen Geräts geht falsch.
An den Computer angleichen?</translation>
    </message>
    <message>
        <source>Kiolvasás</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Az esemény napló már meglehetősen hosszú.
Ajánlott archiválni, hogy a régi,
már érdektelen bejegyzések ne lassítsák a munkát.</source>
        <translation>Das Ereignisprotokoll ist schon recht lang.
Es empfiehlt sich zu archivieren, damit alte,
nicht mehr benötigte Einträge die Arbeit nicht bremsen.</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék nem ehhez a napló fájlhoz tartozik.
Mégis folytassuk a kiolvasást?</source>
        <translation>Das angeschlossene Gerät gehört nicht zu dieser Protokolldatei.
Trotzdem weiter auslesen?</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék napló kapacitását
meghaladó számú bejegyzés keletkezett.
Ezért a régebbiek közül már valamennyi elveszett.</source>
        <translation>Es sind mehr Einträge entstanden, als das
Protokoll des angeschlossenen Geräts fassen kann.
Daher sind einige der älteren bereits verloren.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Igen</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nem</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>A napló elmentve, de a kiolvasás idejét nem sikerült a készülékbe írni.</source>
        <translation>Das Protokoll ist gespeichert, aber die Auslesezeit konnte nicht in den Datenlogger geschrieben werden.</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék nem az, amelyiknek a kiolvasása elkezdődött.
A kiolvasás elmarad.</source>
        <translation>Das angeschlossene Gerät ist nicht das, dessen Auslesen begonnen wurde.
Das Auslesen unterbleibt.</translation>
    </message>
    <message>
        <source>Az esemény napló fájlja a kiolvasás közben megváltozott, és már nem ehhez a kiolvasáshoz illeszkedik.
A kiolvasás elmarad; a bejegyzések a készülékben maradnak.</source>
        <translation>Die Ereignisprotokolldatei wurde während des Auslesens geändert und passt nicht mehr zu diesem Auslesen.
Das Auslesen unterbleibt; die Einträge bleiben im Gerät.</translation>
    </message>
</context>
<context>
    <name>LogTableView</name>
    <message>
        <source>Rendkívüli bejegyzés keresés</source>
        <translation>Suche nach außerordentlichen Einträgen</translation>
    </message>
    <message>
        <source>Nincs több rendkívüli bejegyzés
a napló vége felé haladva!</source>
        <translation>Keine weiteren außerordentlichen Einträge
in Richtung Protokollende!</translation>
    </message>
    <message>
        <source>Nincs több rendkívüli bejegyzés
a napló eleje felé haladva!</source>
        <translation>Keine weiteren außerordentlichen Einträge
in Richtung Protokollanfang!</translation>
    </message>
    <message>
        <source>Naplóból útvonal terv kiemelése</source>
        <translation>Routenplan aus dem Protokoll erstellen</translation>
    </message>
    <message>
        <source>A kijelölt időtartomány túl hosszú!</source>
        <translation>Der markierte Zeitraum ist zu lang!</translation>
    </message>
    <message>
        <source>A kijelölt tartományban nincsen ellenőrző pont bejegyzés!</source>
        <translation>Im markierten Bereich gibt es keine Kontrollpunkteinträge!</translation>
    </message>
    <message>
        <source>Keresés</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Nincs a feltételeknek megfelelő bejegyzés
a napló eleje felé haladva!</source>
        <translation>Kein passender Eintrag
in Richtung Protokollanfang!</translation>
    </message>
    <message>
        <source>Nincs a feltételeknek megfelelő bejegyzés
a napló vége felé haladva!</source>
        <translation>Kein passender Eintrag
in Richtung Protokollende!</translation>
    </message>
    <message>
        <source>A bejegyzés nem lett felvéve!</source>
        <translation>Der Eintrag wurde nicht aufgenommen!</translation>
    </message>
    <message>
        <source>Nem megfelelő név: %1
</source>
        <translation>Ungeeigneter Name: %1
</translation>
    </message>
    <message>
        <source>Archiválás</source>
        <translation>Archivierung</translation>
    </message>
    <message>
        <source>Az archív fájl létrehozása nem sikerült!</source>
        <translation>Die Archivdatei konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Esemény napló</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Esemény napló exportálás</source>
        <translation>Ereignisprotokoll exportieren</translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation>%1 konnte nicht exportiert werden
%2.</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation>%1 konnte nicht exportiert werden
Fehler beim Schreiben der Datei.</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Archiválás</source>
        <translation>Archivierung</translation>
    </message>
    <message>
        <source>Az esemény napló fájlja megváltozott, ezért újra betöltöttük.
Válassza ki ismét a sort, amelytől a napló megmarad, és archiváljon újra.</source>
        <translation>Die Ereignisprotokolldatei wurde geändert und daher neu geladen.
Wählen Sie erneut die Zeile, ab der das Protokoll erhalten bleibt, und archivieren Sie noch einmal.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Súgó</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Tartalom</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Tárgymutató</source>
        <translation>Stichwortverzeichnis</translation>
    </message>
    <message>
        <source>&amp;Új szöveg fájl</source>
        <translation>&amp;Neue Textdatei</translation>
    </message>
    <message>
        <source>Egy új szöveg fájl létrehozása</source>
        <translation>Eine neue Textdatei anlegen</translation>
    </message>
    <message>
        <source>&amp;Megnyit...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Egy létező fájl megnyitása</source>
        <translation>Eine vorhandene Datei öffnen</translation>
    </message>
    <message>
        <source>&amp;Nyomtatás...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>A dokumentum kinyomtatása</source>
        <translation>Das Dokument drucken</translation>
    </message>
    <message>
        <source>Ny&amp;omtatási kép...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>A dokumentum nyomtatási képének előnézete</source>
        <translation>Vorschau des Dokuments vor dem Druck</translation>
    </message>
    <message>
        <source>&amp;Ellenőrzési pontok</source>
        <translation>&amp;Kontrollpunkte</translation>
    </message>
    <message>
        <source>Az ellenőrzési pontok elnevezéseinek kezelése</source>
        <translation>Die Namen der Kontrollpunkte verwalten</translation>
    </message>
    <message>
        <source>&amp;Importálás...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Ellenőrzési pontok elnevezéseinek importálása</source>
        <translation>Kontrollpunktnamen importieren</translation>
    </message>
    <message>
        <source>&amp;Exportálás...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Ellenőrzési pontok elnevezéseinek exportálása</source>
        <translation>Kontrollpunktnamen exportieren</translation>
    </message>
    <message>
        <source>Az esemény napló exportálása más fájl formátumba</source>
        <translation>Das Ereignisprotokoll in ein anderes Dateiformat exportieren</translation>
    </message>
    <message>
        <source>&amp;Archiválás...</source>
        <translation>&amp;Archivieren...</translation>
    </message>
    <message>
        <source>A régi esemény bejegyzések archív fájlba mentése</source>
        <translation>Alte Ereigniseinträge in eine Archivdatei verschieben</translation>
    </message>
    <message>
        <source>Ellenőrzési pont &amp;felvétel</source>
        <translation>Kontrollpunkt &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Egy új ellenőrzési pont név felvétele</source>
        <translation>Einen neuen Kontrollpunktnamen aufnehmen</translation>
    </message>
    <message>
        <source>Ellenőrzési pont nevének &amp;módosítása</source>
        <translation>Kontrollpunktnamen &amp;ändern</translation>
    </message>
    <message>
        <source>Egy létező ellenőrzési pont nevének módosítása</source>
        <translation>Den Namen eines vorhandenen Kontrollpunkts ändern</translation>
    </message>
    <message>
        <source>Ellenőrzési pont elnevezés &amp;törlése</source>
        <translation>Kontrollpunktnamen &amp;löschen</translation>
    </message>
    <message>
        <source>Egy létező ellenőrzési pont név törlése</source>
        <translation>Einen vorhandenen Kontrollpunktnamen löschen</translation>
    </message>
    <message>
        <source>Men&amp;tés</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Szöveg fájl lemezre mentése</source>
        <translation>Die Textdatei auf die Festplatte speichern</translation>
    </message>
    <message>
        <source>Mentés más né&amp;ven...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Szöveg fájl lemezre mentése más néven</source>
        <translation>Die Textdatei unter einem anderen Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Kilépés</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Kilép a programból</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>Kivágás</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>A kijelölt tartomány kivágása és a vágólapra másolása</source>
        <translation>Den markierten Bereich ausschneiden und in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Másolás</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>A kijelölt tartomány vágólapra másolása</source>
        <translation>Den markierten Bereich in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Beillesztés</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>A vágólap tartalmának beillesztése</source>
        <translation>Den Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>&amp;Bejegyzés keresés...</source>
        <translation>Eintrag &amp;suchen...</translation>
    </message>
    <message>
        <source>Bejegyzés keresése az esemény naplóban</source>
        <translation>Einen Eintrag im Ereignisprotokoll suchen</translation>
    </message>
    <message>
        <source>Bejegyzések &amp;szűrése...</source>
        <translation>Einträge &amp;filtern...</translation>
    </message>
    <message>
        <source>&amp;Következő rendkívüli esemény</source>
        <translation>&amp;Nächstes außerordentliches Ereignis</translation>
    </message>
    <message>
        <source>Ugrás az esemény naplóban időrendben következő rendkívüli bejegyzésre</source>
        <translation>Zum zeitlich nächsten außerordentlichen Eintrag im Ereignisprotokoll springen</translation>
    </message>
    <message>
        <source>&amp;Előző rendkívüli esemény</source>
        <translation>&amp;Voriges außerordentliches Ereignis</translation>
    </message>
    <message>
        <source>Ugrás az esemény naplóban időrendben megelőző rendkívüli bejegyzésre</source>
        <translation>Zum zeitlich vorigen außerordentlichen Eintrag im Ereignisprotokoll springen</translation>
    </message>
    <message>
        <source>&amp;Pont elnevezése...</source>
        <translation>Punkt &amp;benennen...</translation>
    </message>
    <message>
        <source>Az aktuális ellenőrző pont elnevezése, vagy nevének módosítása</source>
        <translation>Den aktuellen Kontrollpunkt benennen oder umbenennen</translation>
    </message>
    <message>
        <source>&amp;Névtelen kódok keresése...</source>
        <translation>&amp;Unbenannte Codes suchen...</translation>
    </message>
    <message>
        <source>Az esemény naplóban még el nem nevezett ellenőrző pontok megkeresése és elnevezése</source>
        <translation>Noch unbenannte Kontrollpunkte im Ereignisprotokoll suchen und benennen</translation>
    </message>
    <message>
        <source>&amp;Beállítások...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>A program működési paramétereinek beállítása</source>
        <translation>Die Betriebsparameter des Programms einstellen</translation>
    </message>
    <message>
        <source>&amp;Súgó...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>A program beépített súgójának megjelenítése</source>
        <translation>Die eingebaute Hilfe des Programms anzeigen</translation>
    </message>
    <message>
        <source>Ablak bezárása</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Az aktív ablak bezárása</source>
        <translation>Das aktive Fenster schließen</translation>
    </message>
    <message>
        <source>Minden ablakot bezár</source>
        <translation>Alle Fenster schließen</translation>
    </message>
    <message>
        <source>Az összes megnyitott ablak bezárása</source>
        <translation>Alle offenen Fenster schließen</translation>
    </message>
    <message>
        <source>&amp;Kiolvasás</source>
        <translation>&amp;Auslesen</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék esemény naplójának kiolvasása</source>
        <translation>Das Ereignisprotokoll des angeschlossenen Geräts auslesen</translation>
    </message>
    <message>
        <source>&amp;Dátum/idő beállítás...</source>
        <translation>&amp;Datum/Uhrzeit einstellen...</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék belső órájának beállítása</source>
        <translation>Die interne Uhr des angeschlossenen Geräts stellen</translation>
    </message>
    <message>
        <source>&amp;Inicializálás...</source>
        <translation>&amp;Initialisieren...</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék használatbavétel előtti beállítása</source>
        <translation>Das angeschlossene Gerät für den Einsatz vorbereiten</translation>
    </message>
    <message>
        <source>&amp;Státusz</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék állapotának ellenőrzése</source>
        <translation>Den Zustand des angeschlossenen Geräts prüfen</translation>
    </message>
    <message>
        <source>Konfiguráció &amp;beállítás...</source>
        <translation>&amp;Konfiguration...</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék működési paramétereinek beállítása</source>
        <translation>Die Betriebsparameter des angeschlossenen Geräts einstellen</translation>
    </message>
    <message>
        <source>Óra &amp;hangolás...</source>
        <translation>&amp;Uhr abgleichen...</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék órájának finomhangolása</source>
        <translation>Die Uhr des angeschlossenen Geräts fein abgleichen</translation>
    </message>
    <message>
        <source>&amp;Mozaik</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Egymás melletti ablak elrendezés</source>
        <translation>Fenster nebeneinander anordnen</translation>
    </message>
    <message>
        <source>&amp;Lépcsőzetes</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>Egymást átfedő, lépcsőzetes ablak elrendezés</source>
        <translation>Fenster überlappend gestaffelt anordnen</translation>
    </message>
    <message>
        <source>Következő</source>
        <translation>Nächstes</translation>
    </message>
    <message>
        <source>A következő megnyitott ablakra váltás</source>
        <translation>Zum nächsten offenen Fenster wechseln</translation>
    </message>
    <message>
        <source>Előző</source>
        <translation>Vorheriges</translation>
    </message>
    <message>
        <source>Az előző megnyitott ablakra váltás</source>
        <translation>Zum vorigen offenen Fenster wechseln</translation>
    </message>
    <message>
        <source>Program info...</source>
        <translation>Programminfo...</translation>
    </message>
    <message>
        <source>Verzió szám és egyéb információk</source>
        <translation>Versionsnummer und weitere Informationen</translation>
    </message>
    <message>
        <source>&amp;Qt info...</source>
        <translation>&amp;Qt-Info...</translation>
    </message>
    <message>
        <source>Információk a Qt rendszerről</source>
        <translation>Informationen über Qt</translation>
    </message>
    <message>
        <source>Új útvona&amp;lterv</source>
        <translation>Neuer &amp;Routenplan</translation>
    </message>
    <message>
        <source>Egy új útvonal terv fájl létrehozása</source>
        <translation>Einen neuen Routenplan anlegen</translation>
    </message>
    <message>
        <source>Teljesítés kiértékelés</source>
        <translation>Erfüllungsauswertung</translation>
    </message>
    <message>
        <source>Egy útvonal terv alapján jelentés készítés a teljesítésről</source>
        <translation>Einen Erfüllungsbericht nach einem Routenplan erstellen</translation>
    </message>
    <message>
        <source>Útvonal terv lefuttatása</source>
        <translation>Routenplan ausführen</translation>
    </message>
    <message>
        <source>Az aktuális, megnyitott útvonal terv alapján jelentés készítés a teljesítésről</source>
        <translation>Einen Erfüllungsbericht nach dem geöffneten Routenplan erstellen</translation>
    </message>
    <message>
        <source>Esemény &amp;napló hozzáadás</source>
        <translation>Ereignis&amp;protokoll hinzufügen</translation>
    </message>
    <message>
        <source>Esemény napló hozzáadása az útvonal tervhez</source>
        <translation>Ein Ereignisprotokoll zum Routenplan hinzufügen</translation>
    </message>
    <message>
        <source>Esemény napló e&amp;ltávolítás</source>
        <translation>Ereignisprotokoll en&amp;tfernen</translation>
    </message>
    <message>
        <source>Esemény napló eltávolítása az útvonal tervből</source>
        <translation>Ein Ereignisprotokoll aus dem Routenplan entfernen</translation>
    </message>
    <message>
        <source>Út&amp;vonal hozzáadás</source>
        <translation>&amp;Route hinzufügen</translation>
    </message>
    <message>
        <source>Új útvonal hozzáadása az útvonal tervhez</source>
        <translation>Eine neue Route zum Routenplan hinzufügen</translation>
    </message>
    <message>
        <source>Útvonal &amp;törlés</source>
        <translation>Route &amp;löschen</translation>
    </message>
    <message>
        <source>Egy útvonal törlése az útvonal tervből</source>
        <translation>Eine Route aus dem Routenplan löschen</translation>
    </message>
    <message>
        <source>&amp;Indulási idő hozzáadás</source>
        <translation>Startzeit &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Egy új indulási időpont hozzáadása az útvonal tervhez</source>
        <translation>Eine neue Startzeit zum Routenplan hinzufügen</translation>
    </message>
    <message>
        <source>Indulási idő &amp;eltávolítás</source>
        <translation>Start&amp;zeit entfernen</translation>
    </message>
    <message>
        <source>Indulási időpont eltávolítása az útvonal tervből</source>
        <translation>Eine Startzeit aus dem Routenplan entfernen</translation>
    </message>
    <message>
        <source>Ellenőrző &amp;pont felvétel</source>
        <translation>&amp;Kontrollpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Egy új ellenőrző pont hozzáadása az útvonal tervhez</source>
        <translation>Einen neuen Kontrollpunkt zum Routenplan hinzufügen</translation>
    </message>
    <message>
        <source>Ellenőrző pont &amp;megszüntetés</source>
        <translation>Kontrollpunkt ent&amp;fernen</translation>
    </message>
    <message>
        <source>Egy ellenőrző pont törlése az útvonal tervből</source>
        <translation>Einen Kontrollpunkt aus dem Routenplan löschen</translation>
    </message>
    <message>
        <source>Mó&amp;dosít...</source>
        <translation>Än&amp;dern...</translation>
    </message>
    <message>
        <source>Az útvonal terv kijelölt elemének módosítása</source>
        <translation>Das markierte Element des Routenplans ändern</translation>
    </message>
    <message>
        <source>Útvonal definiálás...</source>
        <translation>Route definieren...</translation>
    </message>
    <message>
        <source>Az esemény napló kijelölt tartományából útvonal terv létrehozása</source>
        <translation>Aus dem markierten Bereich des Ereignisprotokolls einen Routenplan erstellen</translation>
    </message>
    <message>
        <source>Csomópontok lenyitása</source>
        <translation>Knoten aufklappen</translation>
    </message>
    <message>
        <source>Az összes csomópont kinyitása a listában</source>
        <translation>Alle Knoten der Liste aufklappen</translation>
    </message>
    <message>
        <source>Alapértelmezett csomópontok</source>
        <translation>Standardknoten</translation>
    </message>
    <message>
        <source>Az alapértelmezett csomópontokon kívül az összeset bezárja a listában</source>
        <translation>Schließt in der Liste alle Knoten außer den Standardknoten</translation>
    </message>
    <message>
        <source>Csomópontok becsukása</source>
        <translation>Knoten zuklappen</translation>
    </message>
    <message>
        <source>Az összes csomópontot összecsukja</source>
        <translation>Klappt alle Knoten zu</translation>
    </message>
    <message>
        <source>Az útvonal terv fájl lemezre mentése</source>
        <translation>Den Routenplan auf die Festplatte speichern</translation>
    </message>
    <message>
        <source>Az útvonal terv fájl lemezre mentése egy új néven</source>
        <translation>Den Routenplan unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>A teljesítés jelentés fájl lemezre mentése</source>
        <translation>Den Erfüllungsbericht auf die Festplatte speichern</translation>
    </message>
    <message>
        <source>A teljesítés jelentés fájl lemezre mentése egy új néven</source>
        <translation>Den Erfüllungsbericht unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Útvonal terv exportálása</source>
        <translation>Routenplan exportieren</translation>
    </message>
    <message>
        <source>Útvonal terv importálása</source>
        <translation>Routenplan importieren</translation>
    </message>
    <message>
        <source>Teljesítés jelentés exportálása</source>
        <translation>Erfüllungsbericht exportieren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Sz&amp;erkeszt</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Adatátvitel</source>
        <translation>Da&amp;tenübertragung</translation>
    </message>
    <message>
        <source>&amp;Nézet</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Súgó</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Adatátvitel</source>
        <translation>Datenübertragung</translation>
    </message>
    <message>
        <source>Szerkeszt</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>QUELTA - %1 %2</source>
        <translation>QUELTA - %1 %2</translation>
    </message>
    <message>
        <source>QUELTA járőr ellenőrző rendszer</source>
        <translation>QUELTA Wächterkontrollsystem</translation>
    </message>
    <message>
        <source>Program információk</source>
        <translation>Programminformationen</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;&lt;big&gt;%1 Őr ellenőrző kiértékelő program&lt;/big&gt;&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Verzió: %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;Ez a program a Qt Project függvény könyvtárait használja, amire az LGPL licensz vonatkozik. Ezen függvény könyvtárak forráskódja megismerhető, és szabadon módosíthatóak. További információ: &lt;a href=&quot;https://www.qt.io/licensing/&quot;&gt;https://www.qt.io/licensing/&lt;/a&gt;&lt;br/&gt;Mindazonáltal nem tudunk garanciát vállalni arra, hogy egy módosított, vagy más verziójú DLL alkalmazásával a program megfelelően fog működni.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;&lt;big&gt;%1 Wächterkontroll-Auswerteprogramm&lt;/big&gt;&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Version: %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;Dieses Programm verwendet die Bibliotheken des Qt Project, die unter der LGPL-Lizenz stehen. Der Quellcode dieser Bibliotheken ist einsehbar und darf frei geändert werden. Weitere Informationen: &lt;a href=&quot;https://www.qt.io/licensing/&quot;&gt;https://www.qt.io/licensing/&lt;/a&gt;&lt;br/&gt;Wir können jedoch nicht garantieren, dass das Programm mit einer geänderten oder anderen Version der Bibliotheken richtig funktioniert.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Esemény napló fájl betöltve</source>
        <translation>Ereignisprotokoll geladen</translation>
    </message>
    <message>
        <source>Szöveg fájl betöltve</source>
        <translation>Textdatei geladen</translation>
    </message>
    <message>
        <source>Esemény naplók (*.%1 *.%2)</source>
        <translation>Ereignisprotokolle (*.%1 *.%2)</translation>
    </message>
    <message>
        <source>Őrjárat leírások (*.%1 *.%2)</source>
        <translation>Routenpläne (*.%1 *.%2)</translation>
    </message>
    <message>
        <source>Teljesítés jelentések (*.%1)</source>
        <translation>Erfüllungsberichte (*.%1)</translation>
    </message>
    <message>
        <source>Egyszerű szövegfájlok (*.%1)</source>
        <translation>Textdateien (*.%1)</translation>
    </message>
    <message>
        <source>Minden fájl (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>A fájl elmentve</source>
        <translation>Die Datei wurde gespeichert</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Kiolvasás</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Az esemény napló már létezik, de nem sikerült betölteni.
Létrehozzunk helyette egy újat?</source>
        <translation>Das Ereignisprotokoll existiert bereits, konnte aber nicht geladen werden.
Stattdessen ein neues anlegen?</translation>
    </message>
    <message>
        <source>Igen</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nem</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>A sérült esemény naplót nem sikerült átnevezni:
%1
A kiolvasás elmarad.</source>
        <translation>Das beschädigte Ereignisprotokoll konnte nicht umbenannt werden:
%1
Es wird nicht ausgelesen.</translation>
    </message>
    <message>
        <source>Óra hangolás</source>
        <translation>Uhrabgleich</translation>
    </message>
    <message>
        <source>Az óra hangoláshoz szükséges, hogy a számítógép órája pontos legyen!
Folytathatjuk?</source>
        <translation>Für den Uhrabgleich muss die Uhr des Computers genau gehen!
Fortfahren?</translation>
    </message>
    <message>
        <source>Naplóból útvonal terv kiemelése</source>
        <translation>Routenplan aus dem Protokoll erstellen</translation>
    </message>
    <message>
        <source>Sikertelen ellenőrző pont felvétel!</source>
        <translation>Der Kontrollpunkt konnte nicht aufgenommen werden!</translation>
    </message>
    <message numerus="yes">
        <source>... és további %n fájl.</source>
        <translation>
            <numerusform>... und %n weitere Datei.</numerusform>
            <numerusform>... und %n weitere Dateien.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fájl megnyitás</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Ellenőrzési pont elnevezések importálása</source>
        <translation>Kontrollpunktnamen importieren</translation>
    </message>
    <message>
        <source>Egyszerű szöveg (*.%1);;eXtensible Markup Language (*.%2)</source>
        <translation>Text (*.%1);;eXtensible Markup Language (*.%2)</translation>
    </message>
    <message>
        <source>eXtensible Markup Language (*.%1)</source>
        <translation>eXtensible Markup Language (*.%1)</translation>
    </message>
    <message>
        <source>kódlista</source>
        <translation>Codeliste</translation>
    </message>
    <message>
        <source>eseménynapló</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>útvonal terv jelentés</source>
        <translation>Routenplanbericht</translation>
    </message>
    <message>
        <source>teljesítés jelentés</source>
        <translation>Erfüllungsbericht</translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Útvonal terv fájl betöltve</source>
        <translation>Routenplandatei geladen</translation>
    </message>
    <message>
        <source>Az útvonal terv fájl elmentve</source>
        <translation>Die Routenplandatei ist gespeichert</translation>
    </message>
    <message>
        <source>Az esemény napló hozzáadva az útvonal tervhez</source>
        <translation>Das Ereignisprotokoll wurde dem Routenplan hinzugefügt</translation>
    </message>
    <message>
        <source>Az esemény napló eltávolítva az útvonal tervből</source>
        <translation>Das Ereignisprotokoll wurde aus dem Routenplan entfernt</translation>
    </message>
    <message>
        <source>Egy új útvonal hozzáadva az útvonal tervhez</source>
        <translation>Dem Routenplan wurde eine neue Route hinzugefügt</translation>
    </message>
    <message>
        <source>Az útvonal törölve az útvonal tervből</source>
        <translation>Die Route wurde aus dem Routenplan gelöscht</translation>
    </message>
    <message>
        <source>Egy új indulási idő hozzáadva az útvonal tervhez</source>
        <translation>Dem Routenplan wurde eine neue Startzeit hinzugefügt</translation>
    </message>
    <message>
        <source>Az indulási idő törölve az útvonal tervből</source>
        <translation>Die Startzeit wurde aus dem Routenplan gelöscht</translation>
    </message>
    <message>
        <source>Egy új ellenőrző pont hozzáadva az útvonal tervhez</source>
        <translation>Dem Routenplan wurde ein neuer Kontrollpunkt hinzugefügt</translation>
    </message>
    <message>
        <source>Az ellenőrzési pont törölve az útvonal tervből</source>
        <translation>Der Kontrollpunkt wurde aus dem Routenplan gelöscht</translation>
    </message>
    <message>
        <source>Az útvonal terv módosult</source>
        <translation>Der Routenplan wurde geändert</translation>
    </message>
    <message>
        <source>Teljesítés jelentés fájl betöltve</source>
        <translation>Erfüllungsbericht geladen</translation>
    </message>
    <message>
        <source>A teljesítés jelentés fájl elmentve</source>
        <translation>Der Erfüllungsbericht ist gespeichert</translation>
    </message>
    <message>
        <source>Kilépés</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>A kód-név lista legutóbbi mentése elmaradt: a lista változásai nincsenek elmentve, kilépéskor elvesznek.
Mégis kilépünk?</source>
        <translation>Die letzte Speicherung der Code-Namen-Liste ist unterblieben: Die Änderungen der Liste sind nicht gespeichert und gehen beim Beenden verloren.
Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Kilépünk</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>OptionDlg</name>
    <message>
        <source>Opciók</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Általános beállítások</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>A program általános működését befolyásoló beállítások és alapértelmezett értékek</source>
        <translation>Einstellungen und Vorgabewerte für die allgemeine Arbeitsweise des Programms</translation>
    </message>
    <message>
        <source>Legkorábbi előforduló évszám</source>
        <translation>Frühestes vorkommendes Jahr</translation>
    </message>
    <message>
        <source>yyyy</source>
        <translation>yyyy</translation>
    </message>
    <message>
        <source>Az évezred meghatározása a két számjeggyel megadott dátumokhoz</source>
        <translation>Bestimmt das Jahrhundert zweistelliger Jahreszahlen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az évezred meghatározása a két számjeggyel megadott dátumokhoz&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bestimmt das Jahrhundert zweistelliger Jahreszahlen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Automatikus óra beállítás kiolvasáskor, ha az eltérés több, mint (ó:pp)</source>
        <translation>Uhr beim Auslesen stellen bei Abweichung über (h:mm)</translation>
    </message>
    <message>
        <source>Kiolvasáskor felhasználói beavatkozás nélkül a számítógéphez igazítja a csatlakoztatott készülék óráját</source>
        <translation>Stellt beim Auslesen die Uhr des angeschlossenen Geräts ohne Rückfrage nach dem Computer</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kiolvasáskor felhasználói beavatkozás nélkül a számítógéphez igazítja a csatlakoztatott készülék óráját&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Stellt beim Auslesen die Uhr des angeschlossenen Geräts ohne Rückfrage nach dem Computer&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>H:mm</source>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>A beállítható érték 1 perc és 23 óra 59 perc között van</source>
        <translation>Einstellbar sind Werte zwischen 1 Minute und 23 Stunden 59 Minuten</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A beállítható érték 1 perc és 23 óra 59 perc között van&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Einstellbar sind Werte zwischen 1 Minute und 23 Stunden 59 Minuten&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Automatikus kiértékelés kezdő dátuma az aktuális előtt (nap)</source>
        <translation>Automatische Auswertung ab (Tage vor heute)</translation>
    </message>
    <message>
        <source>Az aktuális dátumot ennyi nappal megelőzőt ajánlja alapértelmezettként az automatikus kiértékelés indításakor</source>
        <translation>Beim Start der automatischen Auswertung wird das Datum so viele Tage vor heute vorgeschlagen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az aktuális dátumot ennyi nappal megelőzőt ajánlja alapértelmezettként az automatikus kiértékelés indításakor&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Beim Start der automatischen Auswertung wird das Datum so viele Tage vor heute vorgeschlagen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Az automatikus teljesítés kiértékelés részletessége</source>
        <translation>Detailgrad der automatischen Auswertung</translation>
    </message>
    <message>
        <source>Az automatikus kiértékelés alapértelmezett részletessége</source>
        <translation>Vorgegebene Ausführlichkeit der automatischen Auswertung</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az automatikus kiértékelés alapértelmezett részletessége&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Vorgegebene Ausführlichkeit der automatischen Auswertung&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>szűkített</source>
        <translation>reduziert</translation>
    </message>
    <message>
        <source>normál</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>részletes</source>
        <translation>ausführlich</translation>
    </message>
    <message>
        <source>Kézi kétoldalas nyomtatási beállítások megjelenítése</source>
        <translation>Einstellungen für manuellen Duplexdruck anzeigen</translation>
    </message>
    <message>
        <source>A nyomtatás indítása után még egy párbeszéd ablakot jelenít meg a kézi kétoldalas nyomtatási beállításokkal</source>
        <translation>Zeigt nach dem Start des Drucks einen weiteren Dialog mit den Einstellungen für manuellen Duplexdruck</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A nyomtatás indítása után még egy párbeszéd ablakot jelenít meg a kézi kétoldalas nyomtatási beállításokkal&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Zeigt nach dem Start des Drucks einen weiteren Dialog mit den Einstellungen für manuellen Duplexdruck&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A buborék súgó letiltása</source>
        <translation>Tooltips ausschalten</translation>
    </message>
    <message>
        <source>Az egér kurzor alatti elemről felugró ablakban megjelenő rövid súgó üzenetek letiltása (mint ez is)</source>
        <translation>Die kurzen Hilfetexte ausschalten, die über dem Element unter dem Mauszeiger erscheinen (wie dieser)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az egér kurzor alatti elemről felugró ablakban megjelenő rövid súgó üzenetek letiltása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die kurzen Hilfetexte ausschalten, die über dem Element unter dem Mauszeiger erscheinen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Nyelv</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>A program nyelvének kiválasztása</source>
        <translation>Die Sprache des Programms wählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A program nyelvének kiválasztása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Sprache des Programms wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Automatikus</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Magyar</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Német</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Angol</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Könyvtárak, útvonalak</source>
        <translation>Verzeichnisse, Pfade</translation>
    </message>
    <message>
        <source>Az adat fájlok helyének meghatározásai</source>
        <translation>Speicherorte der Datendateien</translation>
    </message>
    <message>
        <source>&amp;Munka könyvtár</source>
        <translation>&amp;Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>Az itt megadott könyvtárba kerülnek az esemény naplók, és a program egyéb adat fájljai</source>
        <translation>In diesem Verzeichnis liegen die Ereignisprotokolle und die anderen Datendateien des Programms</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az itt megadott könyvtárba kerülnek az esemény naplók, és a program egyéb adat fájljai&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In diesem Verzeichnis liegen die Ereignisprotokolle und die anderen Datendateien des Programms&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Tallóz</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Könyvtár választás a fájl böngésző segítségével</source>
        <translation>Verzeichnis mit dem Dateibrowser wählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Könyvtár választás a fájl böngésző segítségével&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Verzeichnis mit dem Dateibrowser wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Archiválási könyvtár</source>
        <translation>A&amp;rchivverzeichnis</translation>
    </message>
    <message>
        <source>Ide kerülnek az archivált esemény naplók</source>
        <translation>Hier liegen die archivierten Ereignisprotokolle</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ide kerülnek az archivált esemény naplók&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Hier liegen die archivierten Ereignisprotokolle&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Kód-Név fájl</source>
        <translation>&amp;Code-Namen-Datei</translation>
    </message>
    <message>
        <source>Az ellenőrzési pontok elnevezéseit tároló fájl neve. Ha nem ad meg útvonalat, a munkakönyvtárba kerül</source>
        <translation>Name der Datei mit den Namen der Kontrollpunkte. Ohne Pfad liegt sie im Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrzési pontok elnevezéseit tároló fájl neve. Ha nem ad meg útvonalat, a munkakönyvtárba kerül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Name der Datei mit den Namen der Kontrollpunkte. Ohne Pfad liegt sie im Arbeitsverzeichnis&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kiválasztás a fájl böngésző használatával</source>
        <translation>Mit dem Dateibrowser auswählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kiválasztás a fájl böngésző használatával&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Mit dem Dateibrowser auswählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Megjelenítés, kinézet</source>
        <translation>Darstellung, Aussehen</translation>
    </message>
    <message>
        <source>Az adatok megjelenítését, kinézetét befolyásoló beállítások</source>
        <translation>Einstellungen für die Darstellung der Daten</translation>
    </message>
    <message>
        <source>Az ellenőrző pontok érintése között eltelt idő megjelenítése</source>
        <translation>Die Zeit zwischen den Punktberührungen anzeigen</translation>
    </message>
    <message>
        <source>Minden egyes pont érintésnél megjeleníti az előző pont érintése óta eltelt időt</source>
        <translation>Zeigt bei jeder Punktberührung die Zeit seit der vorigen Berührung</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minden egyes pont érintésnél megjeleníti az előző pont érintése óta eltelt időt&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Zeigt bei jeder Punktberührung die Zeit seit der vorigen Berührung&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kiemelés rendkívüli eseményként, ha az idő nagyobb, mint (ó:pp)</source>
        <translation>Als außerordentlich hervorheben, wenn länger als (h:mm)</translation>
    </message>
    <message>
        <source>Ha egy ellenőrző pont érintése és az előző pont érintése között a megadottnál több idő telt el, a bejegyzés rendkívülinek minősül</source>
        <translation>Vergeht zwischen der Berührung eines Kontrollpunkts und der des vorigen mehr als die angegebene Zeit, gilt der Eintrag als außerordentlich</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ha egy ellenőrző pont érintése és az előző pont érintése között a megadottnál több idő telt el, a bejegyzés rendkívülinek minősül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Vergeht zwischen der Berührung eines Kontrollpunkts und der des vorigen mehr als die angegebene Zeit, gilt der Eintrag als außerordentlich&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A megengedett maximális idő két pont érintése között</source>
        <translation>Die höchste erlaubte Zeit zwischen zwei Punktberührungen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megengedett maximális idő két pont érintése között&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die höchste erlaubte Zeit zwischen zwei Punktberührungen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Színes kiemelésl az esemény naplóban</source>
        <translation>Farbige Hervorhebung im Ereignisprotokoll</translation>
    </message>
    <message>
        <source>A rendkívüli  bejegyzések színesen jelennek meg, valamintl az ellenőrző pontok színbeállításai is érvényre jut.</source>
        <translation>Außerordentliche Einträge werden farbig angezeigt, und die Farben der Kontrollpunkte werden angewendet.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A rendkívüli esemény bejegyzések különböző feltűnő szinekkel kerülnek kiírásra, valamint a normál esemény bejegyzéseknél az ellenőrző pontok színbeállításai is érvényre jut.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Außerordentliche Ereigniseinträge werden in auffälligen Farben angezeigt, und bei normalen Einträgen werden die Farben der Kontrollpunkte angewendet.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Az ellenőrző pontok kódja mindig jelenjen meg az esemény naplóban</source>
        <translation>Die Codes der Kontrollpunkte immer im Ereignisprotokoll zeigen</translation>
    </message>
    <message>
        <source>Az ellenőrző pont kódja akkor is megjelenik, ha van elnevezése</source>
        <translation>Der Code des Kontrollpunkts erscheint auch, wenn er einen Namen hat</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pont kódja akkor is megjelenik, ha van elnevezése&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Der Code des Kontrollpunkts erscheint auch, wenn er einen Namen hat&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Váltakozó háttér szín a lista soroknál</source>
        <translation>Wechselnde Hintergrundfarbe der Listenzeilen</translation>
    </message>
    <message>
        <source>Minden második adatsor háttér színének megváltoztatása</source>
        <translation>Hintergrundfarbe jeder zweiten Datenzeile ändern</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minden második adatsor háttér színének megváltoztatása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Hintergrundfarbe jeder zweiten Datenzeile ändern&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A listákban használandó betűtípus</source>
        <translation>Schriftart der Listen</translation>
    </message>
    <message>
        <source>A képernyőn és a nyomtatásban megjelenített dokumentumok betű típusa</source>
        <translation>Schriftart der Dokumente auf dem Bildschirm und im Druck</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A képernyőn és a nyomtatásban megjelenített dokumentumok betű típusa&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Schriftart der Dokumente auf dem Bildschirm und im Druck&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A listákban használandó betűk mérete</source>
        <translation>Schriftgröße der Listen</translation>
    </message>
    <message>
        <source>A képernyőn és a nyomtatásban megjelenített dokumentumok betű mérete</source>
        <translation>Schriftgröße der Dokumente auf dem Bildschirm und im Druck</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A képernyőn és a nyomtatásban megjelenített dokumentumok betű mérete&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Schriftgröße der Dokumente auf dem Bildschirm und im Druck&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>5 pt</source>
        <translation>5 pt</translation>
    </message>
    <message>
        <source>6 pt</source>
        <translation>6 pt</translation>
    </message>
    <message>
        <source>7 pt</source>
        <translation>7 pt</translation>
    </message>
    <message>
        <source>8 pt</source>
        <translation>8 pt</translation>
    </message>
    <message>
        <source>9 pt</source>
        <translation>9 pt</translation>
    </message>
    <message>
        <source>10 pt</source>
        <translation>10 pt</translation>
    </message>
    <message>
        <source>11 pt</source>
        <translation>11 pt</translation>
    </message>
    <message>
        <source>12 pt</source>
        <translation>12 pt</translation>
    </message>
    <message>
        <source>13 pt</source>
        <translation>13 pt</translation>
    </message>
    <message>
        <source>14 pt</source>
        <translation>14 pt</translation>
    </message>
    <message>
        <source>15 pt</source>
        <translation>15 pt</translation>
    </message>
    <message>
        <source>16 pt</source>
        <translation>16 pt</translation>
    </message>
    <message>
        <source>17 pt</source>
        <translation>17 pt</translation>
    </message>
    <message>
        <source>18 pt</source>
        <translation>18 pt</translation>
    </message>
    <message>
        <source>19 pt</source>
        <translation>19 pt</translation>
    </message>
    <message>
        <source>20 pt</source>
        <translation>20 pt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A beállítások mentése és a párbeszéd ablak bezárása</source>
        <translation>Die Einstellungen speichern und den Dialog schließen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A beállítások mentése és a párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Einstellungen speichern und den Dialog schließen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Alkalmaz</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>A beállítások mentése a párbeszéd ablak bezárása nélkül</source>
        <translation>Die Einstellungen speichern, ohne den Dialog zu schließen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A beállítások mentése a párbeszéd ablak bezárása nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Einstellungen speichern, ohne den Dialog zu schließen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása a beállítások mentése nélkül</source>
        <translation>Den Dialog schließen, ohne die Einstellungen zu speichern</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A párbeszéd ablak bezárása a beállítások mentése nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Dialog schließen, ohne die Einstellungen zu speichern&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A munka könyvtár nem létezik:
%1</source>
        <translation>Das Arbeitsverzeichnis existiert nicht:
%1</translation>
    </message>
    <message>
        <source>A munka könyvtár nem írható:
%1</source>
        <translation>Das Arbeitsverzeichnis ist nicht beschreibbar:
%1</translation>
    </message>
    <message>
        <source>Az archiválási könyvtár nem létezik:
%1</source>
        <translation>Das Archivverzeichnis existiert nicht:
%1</translation>
    </message>
    <message>
        <source>Az archiválási könyvtár nem írható:
%1</source>
        <translation>Das Archivverzeichnis ist nicht beschreibbar:
%1</translation>
    </message>
    <message>
        <source>A kód-név fájl neve hiányzik, vagy egy könyvtárat nevez meg.</source>
        <translation>Der Name der Code-Namen-Datei fehlt oder bezeichnet ein Verzeichnis.</translation>
    </message>
    <message>
        <source>A kód-név lista módosításait nem sikerült menteni, a beállítások alkalmazásával elvesznek.
Folytatjuk?</source>
        <translation>Die Änderungen der Code-Namen-Liste konnten nicht gespeichert werden; beim Übernehmen der Einstellungen gehen sie verloren.
Fortfahren?</translation>
    </message>
    <message>
        <source>Igen</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nem</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Munkakönyvtár kiválasztása</source>
        <translation>Arbeitsverzeichnis wählen</translation>
    </message>
    <message>
        <source>Archiválási könyvtár kiválasztása</source>
        <translation>Archivverzeichnis wählen</translation>
    </message>
    <message>
        <source>Kód-név fájlok (*.%1)</source>
        <translation>Code-Namen-Dateien (*.%1)</translation>
    </message>
    <message>
        <source>Kód-név fájl kiválasztása</source>
        <translation>Code-Namen-Datei wählen</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Nyomtatás</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>A beállított lapméretre a kiválasztott betűmérettel
semmit sem lehet kinyomtatni!</source>
        <translation>Mit der gewählten Schriftgröße passt auf das eingestellte
Papierformat nichts!</translation>
    </message>
    <message>
        <source>A nyomtatás nem indítható el:
%1</source>
        <translation>Der Druck kann nicht gestartet werden:
%1</translation>
    </message>
    <message>
        <source>%1   %2 oldal</source>
        <translation>%1   Seite %2</translation>
    </message>
    <message>
        <source>A nyomtatás nem sikerült.</source>
        <translation>Der Druck ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>PointSelectPopUpDlg</name>
    <message>
        <source>Ellenőrző pont kiválasztás</source>
        <translation>Kontrollpunkt wählen</translation>
    </message>
    <message>
        <source>A már elnevezett ellenőrzési pontok listája, amiből kiválaszthatja a kívántat</source>
        <translation>Die Liste der benannten Kontrollpunkte, aus der Sie wählen können</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A már elnevezett ellenőrzési pontok listája, amiből kiválaszthatja a kívántat&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Liste der benannten Kontrollpunkte, aus der Sie wählen können&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kiválaszt</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>A kijelölt ellenőrzési pont kiválasztása</source>
        <translation>Den markierten Kontrollpunkt wählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kijelölt ellenőrzési pont kiválasztása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den markierten Kontrollpunkt wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Párbeszéd ablak bezárása ellenőrzési pont kiválasztás nélkül</source>
        <translation>Den Dialog schließen, ohne einen Kontrollpunkt zu wählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Párbeszéd ablak bezárása ellenőrzési pont kiválasztás nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Dialog schließen, ohne einen Kontrollpunkt zu wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Nincs egyetlen elnevezett ellenőrző pont sem!</source>
        <translation>Es gibt noch keinen benannten Kontrollpunkt!</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Könyvtár</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>Fájl név</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Fájl típus</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Mégsem</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1   Version: %2     Released: %3</source>
        <translation>%1   Version: %2     Veröffentlicht: %3</translation>
    </message>
    <message>
        <source>akku töltés kezdés - MÉLYKISÜLÉS</source>
        <translation>Beginn Akkuladung - TIEFENTLADUNG</translation>
    </message>
    <message>
        <source>nedvesség detektálás vége - kezdete</source>
        <translation>Feuchtigkeit Ende - Beginn</translation>
    </message>
    <message>
        <source>burkolat zárás - nyitás</source>
        <translation>Gehäuse geschlossen - geöffnet</translation>
    </message>
    <message>
        <source>telep jó - telep kimerült</source>
        <translation>Batterie gut - Batterie leer</translation>
    </message>
    <message>
        <source>új idő - eredeti idő</source>
        <translation>neue Zeit - ursprüngliche Zeit</translation>
    </message>
    <message>
        <source>kiolvasva - előző kiolvasás</source>
        <translation>ausgelesen - voriges Auslesen</translation>
    </message>
    <message>
        <source>nincs adat eddig - ettől</source>
        <translation>keine Daten bis - ab</translation>
    </message>
    <message>
        <source>archiválva ettől - eddig</source>
        <translation>archiviert von - bis</translation>
    </message>
    <message>
        <source>inicializálva - előzőleg</source>
        <translation>initialisiert - zuvor</translation>
    </message>
    <message>
        <source>más készülék! inicializálva - eredeti inic.</source>
        <translation>anderes Gerät! initialisiert - ursprüngl. Init.</translation>
    </message>
    <message>
        <source>  *** Nem értelmezhető bejegyzés ***</source>
        <translation>  *** Nicht auswertbarer Eintrag ***</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ReadOutDlg</name>
    <message>
        <source>Kiolvasás</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Azonosító név:</source>
        <translation>Gerätename:</translation>
    </message>
    <message>
        <source>Gyári szám:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Legutóbbi kiolvasás:</source>
        <translation>Letztes Auslesen:</translation>
    </message>
    <message>
        <source>Elem állapota:</source>
        <translation>Batteriezustand:</translation>
    </message>
    <message>
        <source>Burkolat állapot:</source>
        <translation>Gehäusezustand:</translation>
    </message>
    <message>
        <source>Nedvesség érzékelés:</source>
        <translation>Feuchtigkeitserkennung:</translation>
    </message>
    <message>
        <source>Óra állapota:</source>
        <translation>Uhrzustand:</translation>
    </message>
    <message>
        <source>Folyamat jelző</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Folyamat jelző&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Fortschrittsanzeige&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A művelet befejezése</source>
        <translation>Den Vorgang beenden</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A művelet befejezése&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Vorgang beenden&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>RouteDefDelegate</name>
    <message>
        <source>%1/kör</source>
        <translation>%1/Runde</translation>
    </message>
    <message>
        <source>kezd:%1</source>
        <translation>Beginn:%1</translation>
    </message>
    <message>
        <source>vég:%1</source>
        <translation>Ende:%1</translation>
    </message>
    <message>
        <source>min:%1</source>
        <translation>min:%1</translation>
    </message>
    <message>
        <source>max:%1</source>
        <translation>max:%1</translation>
    </message>
    <message numerus="yes">
        <source>%n perc</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouteDefModel</name>
    <message>
        <source>Elvárt pontosság:</source>
        <translation>Geforderte Genauigkeit:</translation>
    </message>
    <message>
        <source>Vizsgálandó esemény naplók</source>
        <translation>Zu prüfende Protokolle</translation>
    </message>
    <message>
        <source>Bejárandó útvonalak</source>
        <translation>Zu begehende Routen</translation>
    </message>
    <message>
        <source>Indulási idők</source>
        <translation>Startzeiten</translation>
    </message>
    <message>
        <source>Szolgálati idők</source>
        <translation>Dienstzeiten</translation>
    </message>
    <message>
        <source>Ellenőrző pontok</source>
        <translation>Kontrollpunkte</translation>
    </message>
    <message>
        <source>Az útvonal kiértékelésekor a megadott
időpontokhoz képest még elfogadható eltérés</source>
        <translation>Die bei der Auswertung noch zulässige
Abweichung von den angegebenen Zeiten</translation>
    </message>
    <message>
        <source>Egy esemény napló hozzáadása a kiértékeléshez</source>
        <translation>Ein Ereignisprotokoll zur Auswertung hinzufügen</translation>
    </message>
    <message>
        <source>Ebben az esemény naplóban kell keresni az útvonal teljesítését</source>
        <translation>In diesem Ereignisprotokoll wird die Erfüllung der Route gesucht</translation>
    </message>
    <message>
        <source>Az esemény napló eltávolítása a kiértékelésből</source>
        <translation>Das Ereignisprotokoll aus der Auswertung entfernen</translation>
    </message>
    <message>
        <source>Egy új bejárási útvonal hozzáadása</source>
        <translation>Eine neue Route hinzufügen</translation>
    </message>
    <message>
        <source>A bejárási útvonal elnevezése</source>
        <translation>Name der Route</translation>
    </message>
    <message>
        <source>A bejárási útvonal típusa:
%1</source>
        <translation>Typ der Route:
%1</translation>
    </message>
    <message>
        <source>Az az idő, ami alatt a bejárást teljesíteni kell</source>
        <translation>Die Zeit, in der die Runde erfüllt sein muss</translation>
    </message>
    <message>
        <source>A bejárási útvonal törlése</source>
        <translation>Die Route löschen</translation>
    </message>
    <message>
        <source>Új indulási idő hozzáadása</source>
        <translation>Neue Startzeit hinzufügen</translation>
    </message>
    <message>
        <source>Új szolgálati idő hozzáadása</source>
        <translation>Neue Dienstzeit hinzufügen</translation>
    </message>
    <message>
        <source>Az útvonal bejárásának kezdő időpontja</source>
        <translation>Beginn der Begehung der Route</translation>
    </message>
    <message>
        <source>Az útvonal bejárásának befejező időpontja</source>
        <translation>Ende der Begehung der Route</translation>
    </message>
    <message>
        <source>Két ellenőrzőpont érintése között
legalább ennyi időnek kell eltelnie</source>
        <translation>Zwischen zwei Punktberührungen
muss mindestens so viel Zeit vergehen</translation>
    </message>
    <message>
        <source>Két bejárás között
legfeljebb ekkora szünet lehet</source>
        <translation>Zwischen zwei Runden
darf höchstens diese Pause liegen</translation>
    </message>
    <message>
        <source>Két ellenőrzőpont érintése között
legfeljebb ennyi időnek szabad eltelnie</source>
        <translation>Zwischen zwei Punktberührungen
darf höchstens so viel Zeit vergehen</translation>
    </message>
    <message>
        <source>Ennyiszer kell bejárni az útvonalat
a szolgálati idő alatt</source>
        <translation>So oft muss die Route
in der Dienstzeit begangen werden</translation>
    </message>
    <message>
        <source>Ennyiszer kell meglátogatni minden
ellenőrző pontot a megadott idő alatt</source>
        <translation>So oft muss jeder Kontrollpunkt
in der angegebenen Zeit besucht werden</translation>
    </message>
    <message>
        <source>Ezen indulási idő törlése</source>
        <translation>Diese Startzeit löschen</translation>
    </message>
    <message>
        <source>Ezen szolgálati idő törlése</source>
        <translation>Diese Dienstzeit löschen</translation>
    </message>
    <message>
        <source>Egy ellenőrző pont hozzáadása</source>
        <translation>Einen Kontrollpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Az ellenőrző pontot azonosító kód</source>
        <translation>Der Code des Kontrollpunkts</translation>
    </message>
    <message>
        <source>Az ellenőrző pontot az idulási idő után ennyivel kell elérni</source>
        <translation>So lange nach der Startzeit muss der Kontrollpunkt erreicht werden</translation>
    </message>
    <message>
        <source>Ennek az ellenőrző pontnak a törlése</source>
        <translation>Diesen Kontrollpunkt löschen</translation>
    </message>
    <message>
        <source>Útvonal terv megnyitás</source>
        <translation>Routenplan öffnen</translation>
    </message>
    <message>
        <source>Útvonal terv mentés</source>
        <translation>Routenplan speichern</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az útvonal tervet
Nincs név megadva hozzá!</source>
        <translation>Der Routenplan konnte nicht geöffnet werden
Er hat keinen Namen!</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az útvonal tervet
%1
Ez a fájl nem létezik</source>
        <translation>Der Routenplan konnte nicht geöffnet werden
%1
Diese Datei existiert nicht</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az útvonal tervet:
%1
%2</source>
        <translation>Der Routenplan konnte nicht geöffnet werden:
%1
%2</translation>
    </message>
    <message>
        <source>%1
Nem megfelelő, vagy sérült fájl.</source>
        <translation>%1
Ungeeignete oder beschädigte Datei.</translation>
    </message>
    <message>
        <source>Az adatok beolvasása során hiba lépett fel!</source>
        <translation>Beim Einlesen der Daten ist ein Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>%1
Adat olvasási hiba</source>
        <translation>%1
Lesefehler</translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni az útvonal tervet
Nincs név megadva hozzá!</source>
        <translation>Der Routenplan konnte nicht gespeichert werden
Er hat keinen Namen!</translation>
    </message>
    <message>
        <source>%1 nevű útvonal terv már létezik.
Felülírjuk?</source>
        <translation>Ein Routenplan namens %1 existiert bereits.
Überschreiben?</translation>
    </message>
    <message>
        <source>Igen</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Az adatok lemezre írása során hiba lépett fel!</source>
        <translation>Beim Schreiben der Daten ist ein Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>Kötött Sorrend - Kötött Indulás</source>
        <translation>Feste Reihenfolge - Fester Start</translation>
    </message>
    <message>
        <source>Kötött Sorrend - Szabad Indulás</source>
        <translation>Feste Reihenfolge - Freier Start</translation>
    </message>
    <message>
        <source>Szabad Sorrend - Kötött Indulás</source>
        <translation>Freie Reihenfolge - Fester Start</translation>
    </message>
    <message>
        <source>Szabad Sorrend - Szabad Indulás</source>
        <translation>Freie Reihenfolge - Freier Start</translation>
    </message>
    <message>
        <source>Szabad Sorrend - Rugalmas Indulás</source>
        <translation>Freie Reihenfolge - Flexibler Start</translation>
    </message>
    <message>
        <source>KS - KI</source>
        <translation>FR - FS</translation>
    </message>
    <message>
        <source>KS - SzI</source>
        <translation>FR - frS</translation>
    </message>
    <message>
        <source>SzS - KI</source>
        <translation>frR - FS</translation>
    </message>
    <message>
        <source>SzS - SzI</source>
        <translation>frR - frS</translation>
    </message>
    <message>
        <source>rugalmas</source>
        <translation>flexibel</translation>
    </message>
    <message>
        <source>kód :%1</source>
        <translation>Code :%1</translation>
    </message>
    <message>
        <source>Az adatok lemezre írása során hiba lépett fel!
%1.</source>
        <translation>Beim Schreiben der Daten ist ein Fehler aufgetreten!
%1.</translation>
    </message>
    <message>
        <source>Egy csoportban legfeljebb %1 sor lehet.</source>
        <translation>Eine Gruppe darf höchstens %1 Zeilen haben.</translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni az útvonal tervet</source>
        <translation>Der Routenplan konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>RouteDefView</name>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Esemény napló hozzáadás</source>
        <translation>Ereignisprotokoll hinzufügen</translation>
    </message>
    <message>
        <source>Válassza ki az útvonal tervhez
hozzáadandó esemény naplót:</source>
        <translation>Wählen Sie das Ereignisprotokoll,
das zum Routenplan hinzukommt:</translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Esemény napló törlés</source>
        <translation>Ereignisprotokoll entfernen</translation>
    </message>
    <message>
        <source>Valóban töröljük a kijelölt esemény naplót?</source>
        <translation>Das markierte Ereignisprotokoll wirklich entfernen?</translation>
    </message>
    <message>
        <source>Töröljük</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Útvonal törlés</source>
        <translation>Route löschen</translation>
    </message>
    <message>
        <source>Valóban töröljük a kijelölt útvonalat?</source>
        <translation>Die markierte Route wirklich löschen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot;  útvonal</source>
        <translation>Route &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Valóban töröljük az alábbi időpontot:
&quot;%1&quot;</source>
        <translation>Diese Zeit wirklich löschen:
&quot;%1&quot;</translation>
    </message>
    <message>
        <source>Valóban töröljük az alábbi ellenőrző pontot:
&quot;%1%2&quot;</source>
        <translation>Diesen Kontrollpunkt wirklich löschen:
&quot;%1%2&quot;</translation>
    </message>
    <message>
        <source>Útvonal módosítás</source>
        <translation>Route ändern</translation>
    </message>
    <message>
        <source>Módosít</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Ellenőrző pont módosítás</source>
        <translation>Kontrollpunkt ändern</translation>
    </message>
    <message>
        <source>Elvárt pontosság</source>
        <translation>Geforderte Genauigkeit</translation>
    </message>
    <message>
        <source>A megengedett időeltérés percben</source>
        <translation>Die erlaubte Zeitabweichung in Minuten</translation>
    </message>
    <message>
        <source>útvonalterv%1.%2</source>
        <translation>routenplan%1.%2</translation>
    </message>
    <message>
        <source>Útvonal terv mentés</source>
        <translation>Routenplan speichern</translation>
    </message>
    <message>
        <source>Őrjárat leírások (*.%1)</source>
        <translation>Routenpläne (*.%1)</translation>
    </message>
    <message>
        <source>Útvonal terv</source>
        <translation>Routenplan</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fájl módosult.
Elmentsük a változásokat?</source>
        <translation>Die Datei &quot;%1&quot; wurde geändert.
Änderungen speichern?</translation>
    </message>
    <message>
        <source>Mentsük</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Ne mentsük</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Útvonal terv exportálás</source>
        <translation>Routenplan exportieren</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation>%1 konnte nicht exportiert werden
Fehler beim Schreiben der Datei.</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation>%1 konnte nicht exportiert werden
%2.</translation>
    </message>
    <message>
        <source>Útvonal terv importálás</source>
        <translation>Routenplan importieren</translation>
    </message>
    <message>
        <source>%1 nem létezik.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 importálása nem sikerült
%2.</source>
        <translation>%1 konnte nicht importiert werden
%2.</translation>
    </message>
    <message>
        <source>A beolvasás a fájl %1. soránál megállt.</source>
        <translation>Das Einlesen hat in Zeile %1 der Datei angehalten.</translation>
    </message>
    <message>
        <source>Nyomtatás</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>A beállított lapméretre a kiválasztott betűmérettel
semmit sem lehet kinyomtatni!</source>
        <translation>Mit der gewählten Schriftgröße passt auf das eingestellte
Papierformat nichts!</translation>
    </message>
    <message>
        <source>A nyomtatás nem indítható.</source>
        <translation>Der Druck kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>%1 útvonal:  %2    %3</source>
        <translation>Route %1:  %2    %3</translation>
    </message>
    <message>
        <source>kezdete %1  vége %2</source>
        <translation>Beginn %1  Ende %2</translation>
    </message>
    <message>
        <source>A fájl formátuma nem megfelelő!</source>
        <translation>Das Dateiformat ist ungeeignet!</translation>
    </message>
    <message numerus="yes">
        <source>kezdete %1  vége %2   %n kör, közte max.%3 szünet</source>
        <translation>
            <numerusform>Beginn %1  Ende %2   %n Runde, dazwischen max. %3 Pause</numerusform>
            <numerusform>Beginn %1  Ende %2   %n Runden, dazwischen max. %3 Pause</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kezdete %1  vége %2   %n kör, pontok közt min.%3, max.%4</source>
        <translation>
            <numerusform>Beginn %1  Ende %2   %n Runde, zwischen Punkten min. %3, max. %4</numerusform>
            <numerusform>Beginn %1  Ende %2   %n Runden, zwischen Punkten min. %3, max. %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; útvonal terv, elvárt pontossága: %n perc</source>
        <translation>
            <numerusform>Routenplan „%1“, geforderte Genauigkeit: %n Minute</numerusform>
            <numerusform>Routenplan „%1“, geforderte Genauigkeit: %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>„%1” → „%2”</source>
        <translation>„%1“ → „%2“</translation>
    </message>
    <message numerus="yes">
        <source>és még %n útvonal.</source>
        <translation>
            <numerusform>und %n weitere Route.</numerusform>
            <numerusform>und %n weitere Routen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Az alábbi útvonalak nevét rövidíteni vagy módosítani kellett, mert az útvonal terv legfeljebb 80 bájtos neveket tárol, és két útvonalnak nem lehet azonos neve:
%1</source>
        <translation>Die Namen der folgenden Routen mussten gekürzt oder geändert werden, weil ein Routenplan Namen von höchstens 80 Bytes speichert und zwei Routen nicht denselben Namen haben dürfen:
%1</translation>
    </message>
</context>
<context>
    <name>RouteHead</name>
    <message>
        <source>köridő: %1</source>
        <translation>Rundenzeit: %1</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>nem közönséges fájl (mappa, eszköz vagy FIFO)</source>
        <translation>keine gewöhnliche Datei (Ordner, Gerät oder FIFO)</translation>
    </message>
    <message>
        <source>írási hiba</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>Figyelem</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>A mentés megtörtént, de az előző változatot nem sikerült biztonsági másolatként megtartani:
%1
A korábbi biztonsági másolat változatlan.</source>
        <translation>Die Datei wurde gespeichert, aber ihre vorige Fassung konnte nicht als Sicherungskopie behalten werden:
%1
Die frühere Sicherungskopie ist unverändert.</translation>
    </message>
    <message>
        <source>egy másik felhasználó szimbolikus linkje egy bárki által írható közös mappában, nem követhető: %1</source>
        <translation>symbolischer Link eines anderen Benutzers in einem gemeinsamen Ordner, den jeder beschreiben darf; er wird nicht verfolgt: %1</translation>
    </message>
    <message>
        <source>a program egy másik mentése éppen írja ezt a fájlt; próbálja újra később</source>
        <translation>eine andere Speicherung dieses Programms schreibt diese Datei gerade; bitte später erneut versuchen</translation>
    </message>
</context>
<context>
    <name>StatusDlg</name>
    <message>
        <source>Állapot információk</source>
        <translation>Zustandsinformationen</translation>
    </message>
    <message>
        <source>Azonosító név:</source>
        <translation>Gerätename:</translation>
    </message>
    <message>
        <source>Gyári szám:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Modell:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Verzió:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Napló ciklusok:</source>
        <translation>Protokollumläufe:</translation>
    </message>
    <message>
        <source>Inicializálások:</source>
        <translation>Initialisierungen:</translation>
    </message>
    <message>
        <source>Nedvesedések:</source>
        <translation>Feuchtigkeitsereignisse:</translation>
    </message>
    <message>
        <source>Inicializálva:</source>
        <translation>Initialisiert:</translation>
    </message>
    <message>
        <source>Kiolvasva:</source>
        <translation>Ausgelesen:</translation>
    </message>
    <message>
        <source>Beüzemelve:</source>
        <translation>In Betrieb genommen:</translation>
    </message>
    <message>
        <source>Javítva:</source>
        <translation>Repariert:</translation>
    </message>
    <message>
        <source>Mélykisülés:</source>
        <translation>Tiefentladung:</translation>
    </message>
    <message>
        <source>Elem állapota:</source>
        <translation>Batteriezustand:</translation>
    </message>
    <message>
        <source>Burkolat állapot:</source>
        <translation>Gehäusezustand:</translation>
    </message>
    <message>
        <source>Nedvesség érzékelés:</source>
        <translation>Feuchtigkeitserkennung:</translation>
    </message>
    <message>
        <source>Óra állapota:</source>
        <translation>Uhrzustand:</translation>
    </message>
    <message>
        <source>Frissít</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Adatok újra olvasása a készülékből</source>
        <translation>Die Daten erneut aus dem Gerät lesen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Adatok újra olvasása a készülékből&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Daten erneut aus dem Gerät lesen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Bezár</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Dialog schließen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TxtView</name>
    <message>
        <source>document%1.%2</source>
        <translation>dokument%1.%2</translation>
    </message>
    <message>
        <source>Szövegfájl megnyitás</source>
        <translation>Textdatei öffnen</translation>
    </message>
    <message>
        <source>%1 fájl megnyitása sikertelen!
%2.</source>
        <translation>Öffnen der Datei %1 fehlgeschlagen!
%2.</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>%1 mentése nem sikerült!
%2.</source>
        <translation>%1 konnte nicht gespeichert werden!
%2.</translation>
    </message>
    <message>
        <source>Mentés más néven</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>&apos;%1&apos; megváltozott.
Mentsük a változásokat?</source>
        <translation>&apos;%1&apos; wurde geändert.
Änderungen speichern?</translation>
    </message>
    <message>
        <source>A fájl nagyobb %1 MB-nál</source>
        <translation>Die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>A fájl egy sora hosszabb %1 karakternél</source>
        <translation>Eine Zeile der Datei ist länger als %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>UnNamedPointDlg</name>
    <message>
        <source>Névtelen kódok keresése</source>
        <translation>Unbenannte Codes suchen</translation>
    </message>
    <message>
        <source>&amp;Kód:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>12 karakterből álló egyedi ellenőrző pont kód, amely az A...P betűkből állhat</source>
        <translation>Eindeutiger Kontrollpunktcode aus 12 Zeichen, bestehend aus den Buchstaben A...P</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;12 karakterből álló egyedi ellenőrző pont kód, amely az A...P betűkből állhat&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Eindeutiger Kontrollpunktcode aus 12 Zeichen, bestehend aus den Buchstaben A...P&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Érvényesség kez&amp;dete:</source>
        <translation>Gültig a&amp;b:</translation>
    </message>
    <message>
        <source>Az elnevezés ezen dátumtól kezdődően érvényes.</source>
        <translation>Der Name gilt ab diesem Datum.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az elnevezés ezen dátumtól kezdődően érvényes.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Der Name gilt ab diesem Datum.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Elnevezés:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Az ellenőrző pontot tetszőlegesen elnevezheti, de az elnevezés legfeljebb 80 karakterből állhat</source>
        <translation>Sie können den Kontrollpunkt frei benennen, der Name darf aber höchstens 80 Zeichen lang sein</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontot tetszőlegesen elnevezheti, de az elnevezés legfeljebb 80 karakterből állhat&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sie können den Kontrollpunkt frei benennen, der Name darf aber höchstens 80 Zeichen lang sein&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Háttér szín</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Betű szín</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Folyamat jelző</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Folyamat jelző&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Fortschrittsanzeige&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Felveszi ezt az elnevezést és folytatja a keresést</source>
        <translation>Nimmt diesen Namen auf und setzt die Suche fort</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Felveszi ezt az elnevezést és folytatja a keresést&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nimmt diesen Namen auf und setzt die Suche fort&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kihagy</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Nem nevezi el ezt a pontot, de folytatja a keresést</source>
        <translation>Benennt diesen Punkt nicht, setzt die Suche aber fort</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nevezi el ezt a pontot, de folytatja a keresést&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Benennt diesen Punkt nicht, setzt die Suche aber fort&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Befejezi a névtelen kódok keresését</source>
        <translation>Beendet die Suche nach unbenannten Codes</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Befejezi a névtelen kódok keresését&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Beendet die Suche nach unbenannten Codes&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>UsbCom</name>
    <message>
        <source>%1   (modell: %2)</source>
        <translation>%1   (Modell: %2)</translation>
    </message>
    <message>
        <source>A művelet sikeresen végrehajtva!</source>
        <translation>Der Vorgang wurde erfolgreich ausgeführt!</translation>
    </message>
    <message>
        <source>Hibás, vagy nem elérhető az FTDI függvénykönyvtár!</source>
        <translation>Die FTDI-Bibliothek ist fehlerhaft oder nicht verfügbar!</translation>
    </message>
    <message>
        <source>Hiba lépett fel az FTDI USB driverben!</source>
        <translation>Im FTDI-USB-Treiber ist ein Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>Hiba lépett fel az FTDI USB adatátvitelben!</source>
        <translation>Bei der FTDI-USB-Datenübertragung ist ein Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>Nincs megnyitott adatátviteli csatorna!</source>
        <translation>Kein Übertragungskanal geöffnet!</translation>
    </message>
    <message>
        <source>Hibás paraméter az adatátviteli parancsban!</source>
        <translation>Falscher Parameter im Übertragungsbefehl!</translation>
    </message>
    <message>
        <source>Nincs csatlakoztatot USB eszköz, vagy az nem válaszol!</source>
        <translation>Kein USB-Gerät angeschlossen, oder es antwortet nicht!</translation>
    </message>
    <message>
        <source>Az adatátvitel során nem értelmezhető válasz érkezett!</source>
        <translation>Bei der Datenübertragung kam eine unverständliche Antwort!</translation>
    </message>
    <message>
        <source>A program működésében belső hiba lépett fel!</source>
        <translation>Im Programm ist ein interner Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ismét</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>10%</source>
        <translation>10%</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>40%</source>
        <translation>40%</translation>
    </message>
    <message>
        <source>55%</source>
        <translation>55%</translation>
    </message>
    <message>
        <source>70%</source>
        <translation>70%</translation>
    </message>
    <message>
        <source>85%</source>
        <translation>85%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>- - -</source>
        <translation>- - -</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Pontos</source>
        <translation>Genau</translation>
    </message>
    <message>
        <source>kb. %1  feltöltve: %2 %3</source>
        <translation>ca. %1  geladen: %2 %3</translation>
    </message>
    <message>
        <source>kb. %1  lemerült: %2 %3</source>
        <translation>ca. %1  entladen: %2 %3</translation>
    </message>
    <message>
        <source>Összeszerelve: %1 %2</source>
        <translation>Geschlossen: %1 %2</translation>
    </message>
    <message>
        <source>Szétszedve: %1 %2</source>
        <translation>Geöffnet: %1 %2</translation>
    </message>
    <message>
        <source>Száraz lett: %1 %2</source>
        <translation>Trocken geworden: %1 %2</translation>
    </message>
    <message>
        <source>Nedves lett: %1 %2</source>
        <translation>Feucht geworden: %1 %2</translation>
    </message>
    <message>
        <source>%1 %2   %3</source>
        <translation>%1 %2   %3</translation>
    </message>
    <message>
        <source>Idő beállító bejegyzés
keresése az esemény naplóban</source>
        <translation>Suche nach einem Eintrag über das
Stellen der Uhr im Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Nincs az esemény naplóban óra beállítás bejegyzés,
az óra behangolása nem lehetséges!</source>
        <translation>Das Ereignisprotokoll enthält keinen Eintrag über das Stellen der Uhr,
ein Abgleich ist nicht möglich!</translation>
    </message>
    <message>
        <source>Kevés idő telt el az óra beállítás óta,
a hangolás még nem lehetséges!</source>
        <translation>Seit dem Stellen der Uhr ist zu wenig Zeit vergangen,
ein Abgleich ist noch nicht möglich!</translation>
    </message>
    <message>
        <source>A behangolás nem sikerült!</source>
        <translation>Der Abgleich ist fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Az óra pontossága behangolva!</source>
        <translation>Die Ganggenauigkeit der Uhr wurde abgeglichen!</translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása</source>
        <translation>Den Dialog schließen</translation>
    </message>
    <message>
        <source>%1 x %2K</source>
        <translation>%1 x %2K</translation>
    </message>
    <message>
        <source>8K (819)</source>
        <translation>8K (819)</translation>
    </message>
    <message>
        <source>16K (1638)</source>
        <translation>16K (1638)</translation>
    </message>
    <message>
        <source>24K (2457)</source>
        <translation>24K (2457)</translation>
    </message>
    <message>
        <source>32K (3276)</source>
        <translation>32K (3276)</translation>
    </message>
    <message>
        <source>40K (4095)</source>
        <translation>40K (4095)</translation>
    </message>
    <message>
        <source>48K (4914)</source>
        <translation>48K (4914)</translation>
    </message>
    <message>
        <source>56K (5733)</source>
        <translation>56K (5733)</translation>
    </message>
    <message>
        <source>64K (6552)</source>
        <translation>64K (6552)</translation>
    </message>
    <message>
        <source>96K (9828)</source>
        <translation>96K (9828)</translation>
    </message>
    <message>
        <source>128K (13104)</source>
        <translation>128K (13104)</translation>
    </message>
    <message>
        <source>160K (16380)</source>
        <translation>160K (16380)</translation>
    </message>
    <message>
        <source>192K (19656)</source>
        <translation>192K (19656)</translation>
    </message>
    <message>
        <source>224K (22932)</source>
        <translation>224K (22932)</translation>
    </message>
    <message>
        <source>256K (26208)</source>
        <translation>256K (26208)</translation>
    </message>
    <message>
        <source>512K (52416)</source>
        <translation>512K (52416)</translation>
    </message>
    <message>
        <source>%1K (%2)</source>
        <translation>%1K (%2)</translation>
    </message>
    <message>
        <source>ATMEL</source>
        <translation>ATMEL</translation>
    </message>
    <message>
        <source>MICROCHIP</source>
        <translation>MICROCHIP</translation>
    </message>
    <message>
        <source>RS5C372A</source>
        <translation>RS5C372A</translation>
    </message>
    <message>
        <source>PCF8583</source>
        <translation>PCF8583</translation>
    </message>
    <message>
        <source>ismeretlen</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>2,01V</source>
        <translation>2,01V</translation>
    </message>
    <message>
        <source>2,08V</source>
        <translation>2,08V</translation>
    </message>
    <message>
        <source>2,30V</source>
        <translation>2,30V</translation>
    </message>
    <message>
        <source>2,47V</source>
        <translation>2,47V</translation>
    </message>
    <message>
        <source>2,56V</source>
        <translation>2,56V</translation>
    </message>
    <message>
        <source>2,77V</source>
        <translation>2,77V</translation>
    </message>
    <message>
        <source>3,03V</source>
        <translation>3,03V</translation>
    </message>
    <message>
        <source>3,18V</source>
        <translation>3,18V</translation>
    </message>
    <message>
        <source>3,33V</source>
        <translation>3,33V</translation>
    </message>
    <message>
        <source>3,51V</source>
        <translation>3,51V</translation>
    </message>
    <message>
        <source>3,70V</source>
        <translation>3,70V</translation>
    </message>
    <message>
        <source>3,92V</source>
        <translation>3,92V</translation>
    </message>
    <message>
        <source>4,14V</source>
        <translation>4,14V</translation>
    </message>
    <message>
        <source>4,44V</source>
        <translation>4,44V</translation>
    </message>
    <message>
        <source>4,76V</source>
        <translation>4,76V</translation>
    </message>
    <message>
        <source>?,??V</source>
        <translation>?,??V</translation>
    </message>
    <message>
        <source>ADC %1V</source>
        <translation>ADC %1V</translation>
    </message>
    <message>
        <source>Zárt</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>Nyitott</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Száraz</source>
        <translation>Trocken</translation>
    </message>
    <message>
        <source>Nedves</source>
        <translation>Feucht</translation>
    </message>
    <message>
        <source>Akku hőmérséklet: %L1 °C</source>
        <translation>Akkutemperatur: %L1 °C</translation>
    </message>
    <message>
        <source>Napló törlés</source>
        <translation>Protokoll löschen</translation>
    </message>
    <message>
        <source>Törlés folyamatban</source>
        <translation>Löschen läuft</translation>
    </message>
    <message>
        <source>Javítási napló mentés</source>
        <translation>Reparaturprotokoll speichern</translation>
    </message>
    <message>
        <source>A javítási napló mentése nem sikerült
%1.</source>
        <translation>Das Reparaturprotokoll konnte nicht gespeichert werden
%1.</translation>
    </message>
    <message>
        <source>A javítási napló mentése nem sikerült
%1 fájl írási hiba.</source>
        <translation>Das Reparaturprotokoll konnte nicht gespeichert werden
Schreibfehler in der Datei %1.</translation>
    </message>
    <message>
        <source>Sys NVM mentés</source>
        <translation>Sys-NVM speichern</translation>
    </message>
    <message>
        <source>A konfigurációs NVM mentése nem sikerült
%1 fájl írási hiba.</source>
        <translation>Das Konfigurations-NVM konnte nicht gespeichert werden
Schreibfehler in der Datei %1.</translation>
    </message>
    <message>
        <source>A konfigurációs NVM mentése nem sikerült
%1.</source>
        <translation>Das Konfigurations-NVM konnte nicht gespeichert werden
%1.</translation>
    </message>
    <message>
        <source>Sys NVM visszaállítás</source>
        <translation>Sys-NVM wiederherstellen</translation>
    </message>
    <message>
        <source>Hex fájlok (*.%1)</source>
        <translation>Hex-Dateien (*.%1)</translation>
    </message>
    <message>
        <source>%1 fájl megnyitása nem sikerült
%2.</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden
%2.</translation>
    </message>
    <message>
        <source>%1 fájl nem tartalmaz megfelelő adatokat
A konfiguráció nem módosult.</source>
        <translation>Die Datei %1 enthält keine passenden Daten
Die Konfiguration wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Az óra eltérése túl nagy,
az óra behangolása nem lehetséges!</source>
        <translation>Die Abweichung der Uhr ist zu groß,
die Uhr kann nicht feinjustiert werden!</translation>
    </message>
    <message numerus="yes">
        <source>Késik %n napot</source>
        <translation>
            <numerusform>Geht %n Tag nach</numerusform>
            <numerusform>Geht %n Tage nach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Siet %n napot</source>
        <translation>
            <numerusform>Geht %n Tag vor</numerusform>
            <numerusform>Geht %n Tage vor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Siet %n másodpercet</source>
        <translation>
            <numerusform>Geht %n Sekunde vor</numerusform>
            <numerusform>Geht %n Sekunden vor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Siet %n percet</source>
        <translation>
            <numerusform>Geht %n Minute vor</numerusform>
            <numerusform>Geht %n Minuten vor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Siet %n órát</source>
        <translation>
            <numerusform>Geht %n Stunde vor</numerusform>
            <numerusform>Geht %n Stunden vor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Késik %n másodpercet</source>
        <translation>
            <numerusform>Geht %n Sekunde nach</numerusform>
            <numerusform>Geht %n Sekunden nach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Késik %n percet</source>
        <translation>
            <numerusform>Geht %n Minute nach</numerusform>
            <numerusform>Geht %n Minuten nach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Késik %n órát</source>
        <translation>
            <numerusform>Geht %n Stunde nach</numerusform>
            <numerusform>Geht %n Stunden nach</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>addPointDlg</name>
    <message>
        <source>Ellenőrző pont hozzáadás</source>
        <translation>Kontrollpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Ellenőrző pont idő</source>
        <translation>Zeit des Kontrollpunkts</translation>
    </message>
    <message>
        <source>A kiértékelési dátumot ennyivel követő naphoz tartozik a megadott időpont</source>
        <translation>Die angegebene Zeit gehört zu dem Tag so viele Tage nach dem Auswertungsdatum</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiértékelési dátumot ennyivel követő naphoz tartozik a megadott időpont&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die angegebene Zeit gehört zu dem Tag so viele Tage nach dem Auswertungsdatum&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>nap</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>H:mm</source>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>Ebben az időpontban kell az ellenőrző pontot meglátogatni</source>
        <translation>Zu dieser Zeit muss der Kontrollpunkt besucht werden</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ebben az időpontban kell az ellenőrző pontot meglátogatni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Zu dieser Zeit muss der Kontrollpunkt besucht werden&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Ellenőrző pont kód</source>
        <translation>Kontrollpunktcode</translation>
    </message>
    <message>
        <source>Az ellenőrző pont meghatározására szolgáló 12 karakteres kód</source>
        <translation>Der 12-stellige Code, der den Kontrollpunkt bestimmt</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pont meghatározására szolgáló 12 karakteres kód&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Der 12-stellige Code, der den Kontrollpunkt bestimmt&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Választás a már elnevezett ellenőrző pontok listájából</source>
        <translation>Aus der Liste der bereits benannten Kontrollpunkte wählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Választás a már elnevezett ellenőrző pontok listájából&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Aus der Liste der bereits benannten Kontrollpunkte wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Az ellenőrző pont mentése az útvonal tervbe</source>
        <translation>Den Kontrollpunkt in den Routenplan übernehmen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pont mentése az útvonal tervbe&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Kontrollpunkt in den Routenplan übernehmen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Visszalépés a pont mentése nélkül</source>
        <translation>Zurück, ohne den Punkt zu übernehmen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Visszalépés a pont mentése nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Zurück, ohne den Punkt zu übernehmen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Útvonal név: &quot;%1&quot;</source>
        <translation>Routenname: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>addStartDlg</name>
    <message>
        <source>A kiértékelési dátumot ennyivel követő naphoz tartozik a megadott időpont</source>
        <translation>Die angegebene Zeit gehört zu dem Tag so viele Tage nach dem Auswertungsdatum</translation>
    </message>
    <message>
        <source>nap</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>H:mm</source>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>A megadott időhöz még ennyi napot hozzá kell adni</source>
        <translation>Zur angegebenen Zeit kommen noch so viele Tage hinzu</translation>
    </message>
    <message>
        <source>Két egymás utáni pont érintése között legalább enyi időnek el kell telni</source>
        <translation>Zwischen zwei aufeinander folgenden Punktberührungen muss mindestens so viel Zeit vergehen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Két egymás utáni pont érintése között legalább enyi időnek el kell telni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Zwischen zwei aufeinander folgenden Punktberührungen muss mindestens so viel Zeit vergehen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Két egymás utáni pont érintése között legfeljebb ennyi idő telhet el</source>
        <translation>Zwischen zwei aufeinander folgenden Punktberührungen darf höchstens so viel Zeit vergehen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Két egymás utáni pont érintése között legfeljebb ennyi idő telhet el&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Zwischen zwei aufeinander folgenden Punktberührungen darf höchstens so viel Zeit vergehen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Az útvonal ellenőrző pontjait legalább ennyiszer kell a megadott időtartam alatt meglátogatni</source>
        <translation>Die Kontrollpunkte der Route müssen in der angegebenen Zeit mindestens so oft besucht werden</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal ellenőrző pontjait legalább ennyiszer kell a megadott időtartam alatt meglátogatni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Kontrollpunkte der Route müssen in der angegebenen Zeit mindestens so oft besucht werden&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>A pont idő mentése az útvonal tervbe</source>
        <translation>Die Punktzeit in den Routenplan übernehmen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A pont idő mentése az útvonal tervbe&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Punktzeit in den Routenplan übernehmen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Visszalépés az idő meghatározás mentése nélkül</source>
        <translation>Zurück, ohne die Zeitangabe zu übernehmen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Visszalépés az idő meghatározás mentése nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Zurück, ohne die Zeitangabe zu übernehmen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Útvonal név: &quot;%1&quot;</source>
        <translation>Routenname: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Indulási idő:</source>
        <translation>Startzeit:</translation>
    </message>
    <message>
        <source>Az útvonal bejárását az itt megadott időpontban kell elkezdeni.</source>
        <translation>Die Begehung der Route muss zu dieser Zeit beginnen.</translation>
    </message>
    <message>
        <source>Indulás legkorábban:</source>
        <translation>Start frühestens:</translation>
    </message>
    <message>
        <source>Az útvonal bejárását legkorábban az itt megadott időpontban kell elkezdeni</source>
        <translation>Die Begehung der Route darf frühestens zu dieser Zeit beginnen</translation>
    </message>
    <message>
        <source>Indulás legkésőbb:</source>
        <translation>Start spätestens:</translation>
    </message>
    <message>
        <source>Az útvonal bejárását legkésőbb az itt megadott időpontig el kell kezdeni</source>
        <translation>Die Begehung der Route muss spätestens zu dieser Zeit beginnen</translation>
    </message>
    <message>
        <source>Körök közti idő:</source>
        <translation>Zeit zwischen Runden:</translation>
    </message>
    <message>
        <source>Két körbejárás között legfeljebb ennyi idő telhet el</source>
        <translation>Zwischen zwei Runden darf höchstens so viel Zeit vergehen</translation>
    </message>
    <message>
        <source>Körszám:</source>
        <translation>Rundenzahl:</translation>
    </message>
    <message>
        <source>Szolgálat kezdete:</source>
        <translation>Dienstbeginn:</translation>
    </message>
    <message>
        <source>Az útvonal bejárásának kezdő időpontja</source>
        <translation>Beginn der Begehung der Route</translation>
    </message>
    <message>
        <source>Szolgálat vége:</source>
        <translation>Dienstende:</translation>
    </message>
    <message>
        <source>Az útvonal bejárásának záró időpontja</source>
        <translation>Schluss der Begehung der Route</translation>
    </message>
    <message>
        <source>Követés legalább:</source>
        <translation>Abstand mindestens:</translation>
    </message>
    <message>
        <source>Követés legfeljebb:</source>
        <translation>Abstand höchstens:</translation>
    </message>
    <message>
        <source>Ennyiszer:</source>
        <translation>So oft:</translation>
    </message>
    <message>
        <source>A kezdő időpont későbbi, mint a vég időpont!
</source>
        <translation>Die Anfangszeit liegt nach der Endzeit!
</translation>
    </message>
    <message>
        <source>A minimális követési idő nagyobb, mint a maximális követési idő!
</source>
        <translation>Der kleinste Abstand ist größer als der größte Abstand!
</translation>
    </message>
    <message>
        <source>Idő megadási hiba</source>
        <translation>Fehler bei der Zeitangabe</translation>
    </message>
    <message>
        <source>Indulási idő módosítás</source>
        <translation>Startzeit ändern</translation>
    </message>
    <message>
        <source>Indulási idő hozzáadás</source>
        <translation>Startzeit hinzufügen</translation>
    </message>
    <message>
        <source>Indulási időtartomány módosítás</source>
        <translation>Startzeitraum ändern</translation>
    </message>
    <message>
        <source>Indulási időtartomány hozzáadás</source>
        <translation>Startzeitraum hinzufügen</translation>
    </message>
    <message>
        <source>Szolgálati idő módosítás</source>
        <translation>Dienstzeit ändern</translation>
    </message>
    <message>
        <source>Szolgálati idő hozzáadás</source>
        <translation>Dienstzeit hinzufügen</translation>
    </message>
</context>
<context>
    <name>archiveDlg</name>
    <message>
        <source>Archiválás</source>
        <translation>Archivierung</translation>
    </message>
    <message>
        <source>A naplóban megmaradó bejegyzések</source>
        <translation>Im Protokoll bleibende Einträge</translation>
    </message>
    <message>
        <source>Kurzor sortól a napló végéig</source>
        <translation>Von der Cursorzeile bis zum Protokollende</translation>
    </message>
    <message>
        <source>A kurzor sort megelőző bejegyzések eltávolításra kerülnek az esemény naplóból, és csak az archivált naplóban maradnak meg.</source>
        <translation>Die Einträge vor der Cursorzeile werden aus dem Ereignisprotokoll entfernt und bleiben nur im Archiv erhalten.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kurzor sort megelőző bejegyzések eltávolításra kerülnek az esemény naplóból, és csak az archivált naplóban maradnak meg.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Einträge vor der Cursorzeile werden aus dem Ereignisprotokoll entfernt und bleiben nur im Archiv erhalten.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Utolsó</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>A legutolsó, megadott számú kiolvasás adatai maradnak meg az esemény naplóban, a többi csak az archiváltban.</source>
        <translation>Die Daten der angegebenen Zahl letzter Auslesungen bleiben im Ereignisprotokoll, die übrigen nur im Archiv.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A legutolsó, megadott számú kiolvasás adatai maradnak meg az esemény naplóban, a többi csak az archiváltban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Daten der angegebenen Zahl letzter Auslesungen bleiben im Ereignisprotokoll, die übrigen nur im Archiv.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source> kiolvasás</source>
        <translation> Auslesung(en)</translation>
    </message>
    <message>
        <source>Ennyi legutóbbi kiolvasás adata marad meg az esemény naplóban, a többi csak az archiváltban.</source>
        <translation>Die Daten so vieler letzter Auslesungen bleiben im Ereignisprotokoll, die übrigen nur im Archiv.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ennyi legutóbbi kiolvasás adata marad meg az esemény naplóban, a többi csak az archiváltban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Daten so vieler letzter Auslesungen bleiben im Ereignisprotokoll, die übrigen nur im Archiv.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Dátumtól</source>
        <translation>Ab Datum</translation>
    </message>
    <message>
        <source>A megadott dátumú, és az azt követő bejegyzések maradnak meg az esemény naplóban, a többi csak az archiváltban.</source>
        <translation>Die Einträge ab dem angegebenen Datum bleiben im Ereignisprotokoll, die übrigen nur im Archiv.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott dátumú, és az azt követő bejegyzések maradnak meg az esemény naplóban, a többi csak az archiváltban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Einträge ab dem angegebenen Datum bleiben im Ereignisprotokoll, die übrigen nur im Archiv.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Az itt megadott dátumú, és az azt követő bejegyzések maradnak meg az esemény naplóban, a többi csak az archiváltban.</source>
        <translation>Die Einträge ab dem hier angegebenen Datum bleiben im Ereignisprotokoll, die übrigen nur im Archiv.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az itt megadott dátumú, és az azt követő bejegyzések maradnak meg az esemény naplóban, a többi csak az archiváltban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Einträge ab dem hier angegebenen Datum bleiben im Ereignisprotokoll, die übrigen nur im Archiv.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Üres napló</source>
        <translation>Leeres Protokoll</translation>
    </message>
    <message>
        <source>Az archiválás után az esemény napló üres lesz, illetve csak az archiválást jelölő bejegyzés lesz benne.</source>
        <translation>Nach dem Archivieren ist das Ereignisprotokoll leer bzw. enthält nur den Eintrag über die Archivierung.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az archiválás után az esemény napló üres lesz, illetve csak az archiválást jelölő bejegyzés lesz benne.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nach dem Archivieren ist das Ereignisprotokoll leer bzw. enthält nur den Eintrag über die Archivierung.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Az archiválás elindítása</source>
        <translation>Die Archivierung starten</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az archiválás elindítása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Archivierung starten&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Mégsem archiválja az esemény naplót</source>
        <translation>Das Ereignisprotokoll doch nicht archivieren</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Mégsem archiválja az esemény naplót&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Das Ereignisprotokoll doch nicht archivieren&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message numerus="yes">
        <source> kiolvasás</source>
        <comment>after the number of read-outs</comment>
        <translation>
            <numerusform> Auslesung</numerusform>
            <numerusform> Auslesungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>evaluationDlg</name>
    <message>
        <source>Teljesítés kiértékelés</source>
        <translation>Erfüllungsauswertung</translation>
    </message>
    <message>
        <source>Őrjárat:</source>
        <translation>Routenplan:</translation>
    </message>
    <message>
        <source>A kiértékeléshez használandó útvonal terv fájl</source>
        <translation>Die Routenplandatei für die Auswertung</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiértékeléshez használandó útvonal terv fájl&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Routenplandatei für die Auswertung&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>tallóz</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Az útvonal terv kiválasztása a fájl böngésző segítségével</source>
        <translation>Den Routenplan mit dem Dateibrowser wählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal terv kiválasztása a fájl böngésző segítségével&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Routenplan mit dem Dateibrowser wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kezdés:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>A kiértékelés kezdő dátuma. Az útvonal tervben megadott időpontoknak gyakorlatilag ez a dátum része.</source>
        <translation>Anfangsdatum der Auswertung. Die Uhrzeiten im Routenplan beziehen sich auf dieses Datum.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiértékelés kezdő dátuma. Az útvonal tervben megadott időpontoknak gyakorlatilag ez a dátum része.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Anfangsdatum der Auswertung. Die Uhrzeiten im Routenplan beziehen sich auf dieses Datum.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Jelentés</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>A készítendő jelentés adattartamának részletességét lehet itt beállítani</source>
        <translation>Hier wird festgelegt, wie ausführlich der Bericht wird</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A készítendő jelentés adattartamának részletességét lehet itt beállítani&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Hier wird festgelegt, wie ausführlich der Bericht wird&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>szűkített</source>
        <translation>reduziert</translation>
    </message>
    <message>
        <source>Minimális adattartalmú, csak a hibákat tartalmazó jelentés</source>
        <translation>Knapper Bericht, der nur die Fehler enthält</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minimális adattartalmú, csak a hibákat tartalmazó jelentés&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Knapper Bericht, der nur die Fehler enthält&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>egyszerű</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>Szokásos adat tartalmú jelentés, a hibátlan teljesítéseket is listázza</source>
        <translation>Üblicher Bericht, der auch die fehlerfreien Erfüllungen aufführt</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Szokásos adat tartalmú jelentés, a hibátlan teljesítéseket is listázza&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Üblicher Bericht, der auch die fehlerfreien Erfüllungen aufführt&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>részletes</source>
        <translation>ausführlich</translation>
    </message>
    <message>
        <source>A lehető legrészletesebb jelentés, a kimaradt pontok tételes listázásával</source>
        <translation>Möglichst ausführlicher Bericht, der die ausgelassenen Punkte einzeln aufführt</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lehető legrészletesebb jelentés, a kimaradt pontok tételes listázásával&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Möglichst ausführlicher Bericht, der die ausgelassenen Punkte einzeln aufführt&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Indít</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>A kiválasztott útvonal terv, kezdő dátum, és részletesség szerint elvégzi a kiértékelést</source>
        <translation>Führt die Auswertung nach dem gewählten Routenplan, Anfangsdatum und Detailgrad aus</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiválasztott útvonal terv, kezdő dátum, és részletesség szerint elvégzi a kiértékelést&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Führt die Auswertung nach dem gewählten Routenplan, Anfangsdatum und Detailgrad aus&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása a kiértékelés elindítása nélkül</source>
        <translation>Den Dialog schließen, ohne auszuwerten</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A párbeszéd ablak bezárása a kiértékelés elindítása nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Dialog schließen, ohne auszuwerten&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>logFilterDlg</name>
    <message>
        <source>Napló szűrése</source>
        <translation>Protokoll filtern</translation>
    </message>
    <message>
        <source>Rendkívüli bejegyzés</source>
        <translation>Außerordentlicher Eintrag</translation>
    </message>
    <message>
        <source>Csak a kiválasztott típusú rendkívüli esemény bejegyzések jelennek meg a listában</source>
        <translation>Nur außerordentliche Einträge der gewählten Art erscheinen in der Liste</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a kiválasztott típusú rendkívüli esemény bejegyzések jelennek meg a listában&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nur außerordentliche Einträge der gewählten Art erscheinen in der Liste&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Az itt kiválasztott típusú rendkívüli eseményeken kívül semmilyen más bejegyzés nem jelenik meg a listában</source>
        <translation>Außer den außerordentlichen Ereignissen der hier gewählten Art erscheint kein anderer Eintrag in der Liste</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az itt kiválasztott típusú rendkívüli eseményeken kívül semmilyen más bejegyzés nem jelenik meg a listában&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Außer den außerordentlichen Ereignissen der hier gewählten Art erscheint kein anderer Eintrag in der Liste&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Bármilyen</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>Manipuláció</source>
        <translation>Manipulation</translation>
    </message>
    <message>
        <source>Inicializálás</source>
        <translation>Initialisierung</translation>
    </message>
    <message>
        <source>Óra beállítás</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>Burkolat megbontás</source>
        <translation>Gehäuse geöffnet</translation>
    </message>
    <message>
        <source>Nedvesség érzékelés</source>
        <translation>Feuchtigkeitserkennung</translation>
    </message>
    <message>
        <source>Akku kimerülés</source>
        <translation>Akku leer</translation>
    </message>
    <message>
        <source>Akku mélykisülés</source>
        <translation>Akku-Tiefentladung</translation>
    </message>
    <message>
        <source>Kiolvasás</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Archiválás</source>
        <translation>Archivierung</translation>
    </message>
    <message>
        <source>Adatvesztés</source>
        <translation>Datenverlust</translation>
    </message>
    <message>
        <source>Hosszú szünet</source>
        <translation>Lange Pause</translation>
    </message>
    <message>
        <source>Ellenőrzőpont</source>
        <translation>Kontrollpunkt</translation>
    </message>
    <message>
        <source>Csak a kiválasztott ellenőrző pont érintései jelennek meg a listában</source>
        <translation>Nur die Berührungen des gewählten Kontrollpunkts erscheinen in der Liste</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a kiválasztott ellenőrző pont érintései jelennek meg a listában&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nur die Berührungen des gewählten Kontrollpunkts erscheinen in der Liste&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>AAAAAAAAAAAA</source>
        <translation>AAAAAAAAAAAA</translation>
    </message>
    <message>
        <source>Kizárólag az ehhez a kódhoz tartozó ellenőrzési pontok kerülnek listázásra</source>
        <translation>Nur die Kontrollpunkte dieses Codes werden aufgelistet</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kizárólag az ehhez a kódhoz tartozó ellenőrzési pontok kerülnek listázásra&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nur die Kontrollpunkte dieses Codes werden aufgelistet&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Választás a már elnevezett ellenőrzési pontok listájából</source>
        <translation>Aus der Liste der bereits benannten Kontrollpunkte wählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Választás a már elnevezett ellenőrzési pontok listájából&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Aus der Liste der bereits benannten Kontrollpunkte wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Szűrés</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>Csak a megadott szűrési feltételnek megfelelő bejegyzések listázódnak</source>
        <translation>Nur Einträge, die der Filterbedingung entsprechen, werden aufgelistet</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a megadott szűrési feltételnek megfelelő bejegyzések listázódnak&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nur Einträge, die der Filterbedingung entsprechen, werden aufgelistet&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Nem szűr</source>
        <translation>Nicht filtern</translation>
    </message>
    <message>
        <source>A szűrés kikapcsolása, minden bejegyzés listázásra kerül</source>
        <translation>Den Filter ausschalten, alle Einträge werden aufgelistet</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A szűrés kikapcsolása, minden bejegyzés listázásra kerül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Filter ausschalten, alle Einträge werden aufgelistet&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Párbeszéd ablak bezárása a szűrési beállítások megváltoztatása nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Dialog schließen, ohne die Filtereinstellungen zu ändern&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>pageSetupDlg</name>
    <message>
        <source>Oldal beállítás</source>
        <translation>Seite einrichten</translation>
    </message>
    <message>
        <source>Margók</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>balról:</source>
        <translation>links:</translation>
    </message>
    <message>
        <source>Nem nyomtatható sáv szélessége a bal oldalon</source>
        <translation>Breite des nicht bedruckten Randes links</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nyomtatható sáv szélessége a bal oldalon&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Breite des nicht bedruckten Randes links&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>jobbról:</source>
        <translation>rechts:</translation>
    </message>
    <message>
        <source>Nem nyomtatható sáv szélessége a jobb oldalon</source>
        <translation>Breite des nicht bedruckten Randes rechts</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nyomtatható sáv szélessége a jobb oldalon&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Breite des nicht bedruckten Randes rechts&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>felül:</source>
        <translation>oben:</translation>
    </message>
    <message>
        <source>Nem nyomtatható sáv szélessége a lap tetején</source>
        <translation>Breite des nicht bedruckten Randes oben</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nyomtatható sáv szélessége a lap tetején&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Breite des nicht bedruckten Randes oben&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>alul:</source>
        <translation>unten:</translation>
    </message>
    <message>
        <source>Nem nyomtatható sáv szélessége a lap alján</source>
        <translation>Breite des nicht bedruckten Randes unten</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nyomtatható sáv szélessége a lap alján&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Breite des nicht bedruckten Randes unten&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Lapméret</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>A lap méret kiválasztása a szokásos méretek közül</source>
        <translation>Das Papierformat aus den üblichen Formaten wählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lap méret kiválasztása a szokásos méretek közül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Das Papierformat aus den üblichen Formaten wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>hosszabb oldal:</source>
        <translation>längere Seite:</translation>
    </message>
    <message>
        <source>Egyedi lapméret hosszabbik oldala</source>
        <translation>Längere Seite eines eigenen Papierformats</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Egyedi lapméret hosszabbik oldala&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Längere Seite eines eigenen Papierformats&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>rövidebb oldal:</source>
        <translation>kürzere Seite:</translation>
    </message>
    <message>
        <source>Egyedi lapméret rövidebbik oldala</source>
        <translation>Kürzere Seite eines eigenen Papierformats</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Egyedi lapméret rövidebbik oldala&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kürzere Seite eines eigenen Papierformats&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Színkezelés</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Fekete-fehér</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Nem használ színeket, minden fekete-fehérben jelenik meg</source>
        <translation>Ohne Farben, alles erscheint schwarzweiß</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem használ színeket, minden fekete-fehérben jelenik meg&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ohne Farben, alles erscheint schwarzweiß&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Tájolás</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>álló</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>A lap magassága nagyobb a szélességénél</source>
        <translation>Die Seite ist höher als breit</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lap magassága nagyobb a szélességénél&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Seite ist höher als breit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>fekvő</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>A lap szélessége nagyobb a magasságánál</source>
        <translation>Die Seite ist breiter als hoch</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lap szélessége nagyobb a magasságánál&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Seite ist breiter als hoch&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A megadott beállítások elfogadása</source>
        <translation>Die Einstellungen übernehmen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott beállítások elfogadása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Einstellungen übernehmen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A lap beállítások maradnak az eredeti értékükön</source>
        <translation>Die Seiteneinstellungen bleiben unverändert</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lap beállítások maradnak az eredeti értékükön&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Seiteneinstellungen bleiben unverändert&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Felhasználói</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>servicewritedialog</name>
    <message>
        <source>Szervíz vezérlő funkciók</source>
        <translation>Servicefunktionen</translation>
    </message>
    <message>
        <source>Modell azonosítás</source>
        <translation>Modellerkennung</translation>
    </message>
    <message>
        <source>Frissít</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Hang, és fényjelzés</source>
        <translation>Ton- und Lichtsignal</translation>
    </message>
    <message>
        <source>Vörös LED világítson</source>
        <translation>Rote LED leuchten lassen</translation>
    </message>
    <message>
        <source>Zöld LED világítson</source>
        <translation>Grüne LED leuchten lassen</translation>
    </message>
    <message>
        <source>Frekvencia (Hz)</source>
        <translation>Frequenz (Hz)</translation>
    </message>
    <message>
        <source>Hang teszt</source>
        <translation>Tontest</translation>
    </message>
    <message>
        <source>125 KHz RFID adó</source>
        <translation>125-kHz-RFID-Sender</translation>
    </message>
    <message>
        <source>Be</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Ki</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Killép</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>vglClkSetDlg</name>
    <message>
        <source>Óra beállítás</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>Azonosító név</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>Gyári szám</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Legutóbbi kiolvasás</source>
        <translation>Letztes Auslesen</translation>
    </message>
    <message>
        <source>Elem állapot</source>
        <translation>Batteriezustand</translation>
    </message>
    <message>
        <source>Burkolat állapot</source>
        <translation>Gehäusezustand</translation>
    </message>
    <message>
        <source>Nedvesség érzékelés</source>
        <translation>Feuchtigkeitserkennung</translation>
    </message>
    <message>
        <source>Óra állás</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Beállítandó idő megadása:</source>
        <translation>Einzustellende Zeit angeben:</translation>
    </message>
    <message>
        <source>Ez a dátum kerül beállításra az &quot;Adott idő&quot; gombbal</source>
        <translation>Dieses Datum wird mit der Schaltfläche &quot;Angegebene Zeit&quot; eingestellt</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ez a dátum kerül beállításra az &amp;quot;Adott idő&amp;quot; gombbal&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Dieses Datum wird mit der Schaltfläche &amp;quot;Angegebene Zeit&amp;quot; eingestellt&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>H:mm:ss</source>
        <translation>H:mm:ss</translation>
    </message>
    <message>
        <source>Ez az időpont kerül beállításra az &quot;Adott idő&quot; gombbal</source>
        <translation>Diese Uhrzeit wird mit der Schaltfläche &quot;Angegebene Zeit&quot; eingestellt</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ez az időpont kerül beállításra az &amp;quot;Adott idő&amp;quot; gombbal&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Diese Uhrzeit wird mit der Schaltfläche &amp;quot;Angegebene Zeit&amp;quot; eingestellt&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Kilépés az idő módosítása nélkül.</source>
        <translation>Beenden, ohne die Zeit zu ändern.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kilépés az idő módosítása nélkül.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Beenden, ohne die Zeit zu ändern.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Adott idő</source>
        <translation>Angegebene Zeit</translation>
    </message>
    <message>
        <source>A fenti mezőkben megadott időre állítja a csatlakoztatott készülék óráját.</source>
        <translation>Stellt die Uhr des angeschlossenen Geräts auf die oben angegebene Zeit.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A fenti mezőkben megadott időre állítja a csatlakoztatott készülék óráját.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Stellt die Uhr des angeschlossenen Geräts auf die oben angegebene Zeit.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>PC idő</source>
        <translation>PC-Zeit</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék óráját a számítógép órájához igazítja.</source>
        <translation>Stellt die Uhr des angeschlossenen Geräts nach der Uhr des Computers.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A csatlakoztatott készülék óráját a számítógép órájához igazítja.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Stellt die Uhr des angeschlossenen Geräts nach der Uhr des Computers.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>vglClkTuneDlg</name>
    <message>
        <source>Óra hangolás</source>
        <translation>Uhrabgleich</translation>
    </message>
    <message>
        <source>Azonosító</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Gyári szám</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Kiolvasva</source>
        <translation>Ausgelesen</translation>
    </message>
    <message>
        <source>Elem állapot</source>
        <translation>Batteriezustand</translation>
    </message>
    <message>
        <source>Burkolat állapot</source>
        <translation>Gehäusezustand</translation>
    </message>
    <message>
        <source>Nedvesség</source>
        <translation>Feuchtigkeit</translation>
    </message>
    <message>
        <source>Óra állás</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A művelet megszakítása</source>
        <translation>Den Vorgang abbrechen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A művelet megszakítása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Vorgang abbrechen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
</TS>
