<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu_HU">
<context>
    <name>AddRouteDlg</name>
    <message>
        <source>Bejárási útvonal hozzáadás</source>
        <translation>Add route</translation>
    </message>
    <message>
        <source>Az útvonal neve:</source>
        <translation>Route name:</translation>
    </message>
    <message>
        <source>Az útvonal terven belül minden egyes útvonalnak saját, egyedi nevet kell adni.</source>
        <translation>Every route of a route plan needs a name of its own.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal terven belül minden egyes útvonalnak saját, egyedi nevet kell adni.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Every route of a route plan needs a name of its own.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Az útvonal típusa</source>
        <translation>Route type</translation>
    </message>
    <message>
        <source>Az útvonalban előforduló ellenőrzési pontok és indulási idők meghatározásának módja</source>
        <translation>How the checkpoints and start times of the route are given</translation>
    </message>
    <message>
        <source>Kiválasztható az útvonalban előforduló ellenőrzési pontok és indulási idők meghatározásának módja</source>
        <translation>Choose how the checkpoints and start times of the route are given</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kiválasztható az útvonalban előforduló ellenőrzési pontok és indulási idők meghatározásának módja&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose how the checkpoints and start times of the route are given&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kötött sorrend - Kötött indulás</source>
        <translation>Fixed order - Fixed start</translation>
    </message>
    <message>
        <source>A megadott sorrendben és a meghatározott időpontokban kell ez egyes pontokat bejárni</source>
        <translation>The points must be visited in the given order at the given times</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott sorrendben és a meghatározott időpontokban kell ez egyes pontokat bejárni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The points must be visited in the given order at the given times&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kötött sorrend - Szabad indulás</source>
        <translation>Fixed order - Free start</translation>
    </message>
    <message>
        <source>A pontokat megadott sorrendben kell bejárni, de az indulási idő egy tartományon belül szabadon megválasztható</source>
        <translation>The points must be visited in the given order, but the start may be chosen freely within a range</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A pontokat megadott sorrendben kell bejárni, de az indulási idő egy tartományon belül szabadon megválasztható&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The points must be visited in the given order, but the start may be chosen freely within a range&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Szabad sorrend - Kötött indulás</source>
        <translation>Free order - Fixed start</translation>
    </message>
    <message>
        <source>Az ellenőrző pontokat egy megadott idő alatt tetszőleges sorrendben lehet bejárni, de az indulási idők pontosan meg vannak határozva.</source>
        <translation>The checkpoints may be visited in any order within a given time, but the start times are fixed exactly.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontokat egy megadott idő alatt tetszőleges sorrendben lehet bejárni, de az indulási idők pontosan meg vannak határozva.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The checkpoints may be visited in any order within a given time, but the start times are fixed exactly.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Szabad sorrend - Szabad indulás</source>
        <translation>Free order - Free start</translation>
    </message>
    <message>
        <source>Az ellenőrző pontokat egy megadott idő alatt tetszőleges sorrendben lehet bejárni, az indulási idők pedig egy tartományon belül szabadon megválaszthatóak.</source>
        <translation>The checkpoints may be visited in any order within a given time, and the start times may be chosen freely within a range.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontokat egy megadott idő alatt tetszőleges sorrendben lehet bejárni, az indulási idők pedig egy tartományon belül szabadon megválaszthatóak.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The checkpoints may be visited in any order within a given time, and the start times may be chosen freely within a range.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Szabad sorrend- Rugalmas indulás</source>
        <translation>Free order - Flexible start</translation>
    </message>
    <message>
        <source>Az ellenőrző pontok sorrendje tetszőleges, de a két pont között meghatározott időnek kell eltelnie. Az indulási idők is szabadon választhatóak a megadott tartományban.</source>
        <translation>The checkpoints may be visited in any order, but a set time must pass between two points. The start times may also be chosen freely within the given range.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontok sorrendje tetszőleges, de a két pont között meghatározott időnek kell eltelnie. Az indulási idők is szabadon választhatóak a megadott tartományban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The checkpoints may be visited in any order, but a set time must pass between two points. The start times may also be chosen freely within the given range.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Az útvonal mentése az útvonal tervbe</source>
        <translation>Save the route into the route plan</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal mentése az útvonal tervbe&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Save the route into the route plan&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Visszalépés az útvonal mentése nélkül</source>
        <translation>Go back without saving the route</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Visszalépés az útvonal mentése nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Go back without saving the route&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Nincs megadva útvonal név!
</source>
        <translation>No route name given!
</translation>
    </message>
    <message>
        <source>Ilyen nevű útvonal már van!
</source>
        <translation>A route of this name already exists!
</translation>
    </message>
    <message>
        <source>Ki kell választani az útvonal típusát!
</source>
        <translation>The route type must be chosen!
</translation>
    </message>
    <message>
        <source>Útvonal adatai</source>
        <translation>Route details</translation>
    </message>
</context>
<context>
    <name>ConfigDlg</name>
    <message>
        <source>Konfiguráció beállítás</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Azonosító név:</source>
        <translation>Logger name:</translation>
    </message>
    <message>
        <source>Gyári szám:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Ismétlődő  bejegyzések összevonása</source>
        <translation>Merge repeated entries</translation>
    </message>
    <message>
        <source>Az egymást közvetlenül követő rendkvüli események egy bejegyzésbe összevonva kerülnek naplózásra.</source>
        <translation>Extraordinary events that follow each other directly are logged as one entry.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az egymást közvetlenül követő rendkvüli események egy bejegyzésbe összevonva kerülnek naplózásra.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Extraordinary events that follow each other directly are logged as one entry.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Akku állapot naplózása</source>
        <translation>Log the battery state</translation>
    </message>
    <message>
        <source>Az esemény naplóban rögzítésre kerül az akku kimerülése és feltöltése.</source>
        <translation>The battery running low and being charged are recorded in the event log.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az esemény naplóban rögzítésre kerül az akku kimerülése és feltöltése.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The battery running low and being charged are recorded in the event log.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Akku mélykisülés naplózása</source>
        <translation>Log deep discharge of the battery</translation>
    </message>
    <message>
        <source>Az esemény naplóban rögzítésre kerül, ha az akku teljesen lemerül.</source>
        <translation>The event log records when the battery is fully discharged.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az esemény naplóban rögzítésre kerül, ha az akku teljesen lemerül.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The event log records when the battery is fully discharged.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Burkolat állapot naplózása</source>
        <translation>Log the case state</translation>
    </message>
    <message>
        <source>Az esemény napló rögzíti a burkolat megbontását.</source>
        <translation>The event log records the opening of the case.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az esemény napló rögzíti a burkolat megbontását.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The event log records the opening of the case.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Nedvesedés detektálás naplózása</source>
        <translation>Log moisture detection</translation>
    </message>
    <message>
        <source>Amennyiben nedvesedést érzékel a készülék, azt rögzíti az esemény naplóban.</source>
        <translation>When the logger senses moisture, it records it in the event log.</translation>
    </message>
    <message>
        <source>Átír</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>A megadott beállítások kiírása a csatlakoztatott készülékbe.</source>
        <translation>Write the given settings into the connected logger.</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék beállításai nem módosulnak.</source>
        <translation>The settings of the connected logger are not changed.</translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>%1
Mióta ez az ablak betöltötte vagy elmentette, a fájl megváltozott.</source>
        <translation>%1
The file has changed since this window loaded or saved it.</translation>
    </message>
    <message>
        <source>Megváltozott fájl</source>
        <translation>Changed file</translation>
    </message>
    <message>
        <source>Felülírjuk a másik változatot?</source>
        <translation>Overwrite the other version?</translation>
    </message>
    <message>
        <source>Felülírjuk</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Betöltsük újra? Az ablak el nem mentett változásai elvesznek; különben a művelet elmarad.</source>
        <translation>Load it again? The window&apos;s unsaved changes are lost; otherwise the operation is not carried out.</translation>
    </message>
    <message>
        <source>Betöltjük</source>
        <translation>Load again</translation>
    </message>
</context>
<context>
    <name>DoubleProcessDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>A futó folyamat megszakítása.</source>
        <translation>Cancel the running operation.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A futó folyamat megszakítása.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Cancel the running operation.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>DuplexPrintDialog</name>
    <message>
        <source>Kézi kétoldalas nyomtatás</source>
        <translation>Manual two-sided printing</translation>
    </message>
    <message>
        <source>Minden oldal</source>
        <translation>All pages</translation>
    </message>
    <message>
        <source>A kiválasztott tartomány minden oldala nyomtatásra kerül.</source>
        <translation>All pages of the selected range are printed.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiválasztott tartomány minden oldala nyomtatásra kerül.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;All pages of the selected range are printed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Csak a páratlan oldalak</source>
        <translation>Odd pages only</translation>
    </message>
    <message>
        <source>A kiválasztott tartományból csak a páratlan oldalak nyomtatódnak ki.</source>
        <translation>Only the odd pages of the selected range are printed.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiválasztott tartományból csak a páratlan oldalak nyomtatódnak ki.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Only the odd pages of the selected range are printed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Csak a páros oldalak</source>
        <translation>Even pages only</translation>
    </message>
    <message>
        <source>A kiválasztott tartományból csak a páros oldalak nyomtatódnak ki.</source>
        <translation>Only the even pages of the selected range are printed.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiválasztott tartományból csak a páros oldalak nyomtatódnak ki.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Only the even pages of the selected range are printed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Oldalak fordított sorrendben</source>
        <translation>Pages in reverse order</translation>
    </message>
    <message>
        <source>A nyomtatás az utolsó oldallal kezdődik, és az elsővel ér véget.</source>
        <translation>Printing starts with the last page and ends with the first.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A nyomtatás az utolsó oldallal kezdődik, és az elsővel ér véget.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Printing starts with the last page and ends with the first.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A nyomtatás elindítása</source>
        <translation>Start printing</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A nyomtatás elindítása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Start printing&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása a nyomtatás elindítása nélkül</source>
        <translation>Close the dialog without printing</translation>
    </message>
</context>
<context>
    <name>EvaluationDlg</name>
    <message>
        <source>Őrjárat leírás kiválasztása</source>
        <translation>Choose a route plan</translation>
    </message>
    <message>
        <source>Őrjárat leírások (*.%1 *.%2)</source>
        <translation>Route plans (*.%1 *.%2)</translation>
    </message>
</context>
<context>
    <name>EvaluationEngine</name>
    <message>
        <source>Teljesítés kiértékelés</source>
        <translation>Fulfilment evaluation</translation>
    </message>
    <message>
        <source>naplók:</source>
        <translation>Logs:</translation>
    </message>
    <message>
        <source>bejegyzések:</source>
        <translation>Entries:</translation>
    </message>
    <message>
        <source>Kiértékelés formázása</source>
        <translation>Formatting the evaluation</translation>
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
        <translation>Reduced report on the fulfilment of &quot;%2&quot; from %1</translation>
    </message>
    <message>
        <source>Jelentés %1 kezdéssel &quot;%2&quot; teljesítéséről</source>
        <translation>Report on the fulfilment of &quot;%2&quot; from %1</translation>
    </message>
    <message>
        <source>Részletes jelentés %1 kezdéssel &quot;%2&quot; teljesítéséről</source>
        <translation>Detailed report on the fulfilment of &quot;%2&quot; from %1</translation>
    </message>
    <message>
        <source>Fejléc: %1 kezdés, &quot;%2&quot; útvonal</source>
        <translation>Header: start %1, route &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Érintett esemény napló(k): %1</source>
        <translation>Event log(s) concerned: %1</translation>
    </message>
    <message>
        <source>%1 ellenőrzése kimaradt!</source>
        <translation>%1 was not checked!</translation>
    </message>
    <message>
        <source>%1 kifogástalanul  ellenőrizve.</source>
        <translation>%1 checked without fault.</translation>
    </message>
    <message>
        <source>%1 túl hosszú szünet(ek)!</source>
        <translation>%1 pause(s) too long!</translation>
    </message>
    <message>
        <source>%1 időszak alatt nem volt ellenőrizve!</source>
        <translation>%1 was not checked within the period!</translation>
    </message>
    <message>
        <source>%1 sorrendi hiba!</source>
        <translation>%1 out of order!</translation>
    </message>
    <message>
        <source>%1 túl hosszú követési idő!</source>
        <translation>%1 follow time too long!</translation>
    </message>
    <message>
        <source>%1 helyett más pont!</source>
        <translation>Another point instead of %1!</translation>
    </message>
    <message>
        <source>%1 túl rövid követési idő!</source>
        <translation>%1 follow time too short!</translation>
    </message>
    <message>
        <source>%1 többszörösen ellenőrizve!</source>
        <translation>%1 checked more than once!</translation>
    </message>
    <message>
        <source>%1 RENDBEN TELJESÍTVE (%2)</source>
        <translation>%1 FULFILLED CORRECTLY (%2)</translation>
    </message>
    <message>
        <source>%1 RENDBEN TELJESÍTVE</source>
        <translation>%1 FULFILLED CORRECTLY</translation>
    </message>
    <message>
        <source>        - Egymást átfedő teljesítések! -</source>
        <translation>        - Overlapping fulfilments! -</translation>
    </message>
    <message>
        <source>%1 TÚL RÖVID KÖVETÉSI IDŐK! (%2)</source>
        <translation>%1 FOLLOW TIMES TOO SHORT! (%2)</translation>
    </message>
    <message>
        <source>%1 TÚL RÖVID KÖVETÉSI IDŐK!</source>
        <translation>%1 FOLLOW TIMES TOO SHORT!</translation>
    </message>
    <message>
        <source>%1 TÚL HOSSZÚ KÖVETÉSI IDŐK! (%2)</source>
        <translation>%1 FOLLOW TIMES TOO LONG! (%2)</translation>
    </message>
    <message>
        <source>%1 TÚL HOSSZÚ KÖVETÉSI IDŐK!</source>
        <translation>%1 FOLLOW TIMES TOO LONG!</translation>
    </message>
    <message>
        <source>        - Többszörösen teljesítve! -</source>
        <translation>        - Fulfilled more than once! -</translation>
    </message>
    <message>
        <source>%1 IDEGEN PONT(OK)! (%2)</source>
        <translation>%1 FOREIGN POINT(S)! (%2)</translation>
    </message>
    <message>
        <source>%1 IDEGEN PONT(OK)!</source>
        <translation>%1 FOREIGN POINT(S)!</translation>
    </message>
    <message>
        <source>%1 SORRENDI HIBA! (%2)</source>
        <translation>%1 OUT OF ORDER! (%2)</translation>
    </message>
    <message>
        <source>%1 SORRENDI HIBA!</source>
        <translation>%1 OUT OF ORDER!</translation>
    </message>
    <message>
        <source>%1 IDÖ ELTÉRÉS(EK)! (%2)</source>
        <translation>%1 TIME DEVIATION(S)! (%2)</translation>
    </message>
    <message>
        <source>%1 IDÖ ELTÉRÉS(EK)!</source>
        <translation>%1 TIME DEVIATION(S)!</translation>
    </message>
    <message>
        <source>%1 TÚL KEVÉS KÖR TELJESÍTVE! (%2)</source>
        <translation>%1 TOO FEW ROUNDS FULFILLED! (%2)</translation>
    </message>
    <message>
        <source>%1 TÚL KEVÉS KÖR TELJESÍTVE!</source>
        <translation>%1 TOO FEW ROUNDS FULFILLED!</translation>
    </message>
    <message>
        <source>%1 HOSSZÚ SZÜNET A KÖRÖK KÖZÖTT! (%2)</source>
        <translation>%1 LONG PAUSE BETWEEN ROUNDS! (%2)</translation>
    </message>
    <message>
        <source>%1 HOSSZÚ SZÜNET A KÖRÖK KÖZÖTT!</source>
        <translation>%1 LONG PAUSE BETWEEN ROUNDS!</translation>
    </message>
    <message>
        <source>%1 KIMARADT PONT(OK)! (%2)</source>
        <translation>%1 MISSED POINT(S)! (%2)</translation>
    </message>
    <message>
        <source>%1 KIMARADT PONT(OK)!</source>
        <translation>%1 MISSED POINT(S)!</translation>
    </message>
    <message>
        <source>%1 ÚTVONALBAN NINCS INDULÁSI IDŐ MEGADVA!</source>
        <translation>NO START TIME GIVEN IN ROUTE %1!</translation>
    </message>
    <message>
        <source>%1 ÚTVONALBAN NINCS ELLENŐRZŐ PONT MEGADVA!</source>
        <translation>NO CHECKPOINT GIVEN IN ROUTE %1!</translation>
    </message>
    <message>
        <source>%1 NINCS VÉGREHAJTVA!!!</source>
        <translation>%1 NOT CARRIED OUT!!!</translation>
    </message>
    <message>
        <source>*** A teljes őrjárat hibátlanul teljesítve! ***</source>
        <translation>*** The whole patrol was fulfilled without fault! ***</translation>
    </message>
    <message>
        <source>&quot;%1&quot; naplóban %2 rendkívüli esemény!</source>
        <translation>Extraordinary event in log &quot;%1&quot;: %2!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; esemény napló nem hozzáférhető!</source>
        <translation>Event log &quot;%1&quot; is not accessible!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; naplóban nincs a vizsgált időtartományba eső bejegyzés!</source>
        <translation>Log &quot;%1&quot; has no entry within the period examined!</translation>
    </message>
    <message>
        <source>Egyetlen esemény napló sincs megadva, nincs mit kiértékelni!</source>
        <translation>No event log given; there is nothing to evaluate!</translation>
    </message>
    <message>
        <source>Egyetlen bejárási útvonal sincs meghatározva, nincs mit kiértékelni!</source>
        <translation>No route defined; there is nothing to evaluate!</translation>
    </message>
    <message>
        <source>%1 HIBÁSAN TELJESÍTVE!</source>
        <translation>%1 FULFILLED WITH FAULTS!</translation>
    </message>
    <message>
        <source>%1 HIBÁSAN TELJESÍTVE! (%2)</source>
        <translation>%1 FULFILLED WITH FAULTS! (%2)</translation>
    </message>
    <message>
        <source>%1 kimaradt %2x és túl hosszú követési idő!</source>
        <translation>%1 missed %2x and follow time too long!</translation>
    </message>
    <message>
        <source>%1 kimaradt %2x és túl rövid követési idő!</source>
        <translation>%1 missed %2x and follow time too short!</translation>
    </message>
    <message>
        <source>%1 túl rövid és túl hosszú követési idő is előfordult!</source>
        <translation>%1: follow times both too short and too long!</translation>
    </message>
    <message>
        <source>%1 teljesítésénél többféle hiba!</source>
        <translation>%1: several kinds of fault in the fulfilment!</translation>
    </message>
    <message>
        <source>Teljesítés jelentés mentés</source>
        <translation>Save fulfilment report</translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni a teljesítés jelentést
Nincs név megadva hozzá!</source>
        <translation>The fulfilment report could not be saved
It has no name!</translation>
    </message>
    <message>
        <source>A mentés sikertelen!
%1
adat írási hiba.</source>
        <translation>Saving failed!
%1
data write error.</translation>
    </message>
    <message>
        <source>Teljesítés jelentés megnyitás</source>
        <translation>Open fulfilment report</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a teljesítés jelentést
Nincs név megadva hozzá!</source>
        <translation>The fulfilment report could not be opened
It has no name!</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a teljesítés jelentést
%1
Ez a fájl nem létezik</source>
        <translation>The fulfilment report could not be opened
%1
This file does not exist</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a teljesítés jelentést:
%1
%2</source>
        <translation>The fulfilment report could not be opened:
%1
%2</translation>
    </message>
    <message>
        <source>A beolvasás sikertelen!
%1
sérült, vagy nem megfelelő.</source>
        <translation>Reading failed!
%1
is damaged or unsuitable.</translation>
    </message>
    <message numerus="yes">
        <source>%1 elmaradt %n ellenőrzés!</source>
        <translation>
            <numerusform>%1: %n check missed!</numerusform>
            <numerusform>%1: %n checks missed!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ellenőrzése %n perc idő eltéréssel!</source>
        <translation>
            <numerusform>%1 checked with a time deviation of %n minute!</numerusform>
            <numerusform>%1 checked with a time deviation of %n minutes!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 idegen pont és %n perc idő eltérés!</source>
        <translation>
            <numerusform>%1 foreign point and time deviation of %n minute!</numerusform>
            <numerusform>%1 foreign point and time deviation of %n minutes!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 rossz sorrend és %n perc idő eltérés!</source>
        <translation>
            <numerusform>%1 wrong order and time deviation of %n minute!</numerusform>
            <numerusform>%1 wrong order and time deviation of %n minutes!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ellenőrzésénél %n perc idő eltérés! (többszörös teljesítés ellenére)</source>
        <translation>
            <numerusform>%1 checked with a time deviation of %n minute! (despite multiple fulfilment)</numerusform>
            <numerusform>%1 checked with a time deviation of %n minutes! (despite multiple fulfilment)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hosszú kihagyás és %n perc idő eltérés!</source>
        <translation>
            <numerusform>%1 long gap and time deviation of %n minute!</numerusform>
            <numerusform>%1 long gap and time deviation of %n minutes!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 kimaradt ellenőrzés(ek) és %n perc idő eltérés!</source>
        <translation>
            <numerusform>%1 missed check(s) and time deviation of %n minute!</numerusform>
            <numerusform>%1 missed check(s) and time deviation of %n minutes!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ellenőrzésénél %n perc idő eltérés és további hibák!</source>
        <translation>
            <numerusform>%1 checked with a time deviation of %n minute and further faults!</numerusform>
            <numerusform>%1 checked with a time deviation of %n minutes and further faults!</numerusform>
        </translation>
    </message>
    <message>
        <source>A mentés sikertelen!
%1
%2.</source>
        <translation>Saving failed!
%1
%2.</translation>
    </message>
</context>
<context>
    <name>EvaluationRow</name>
    <message>
        <source>akku töltés kezdés</source>
        <translation>battery charge start</translation>
    </message>
    <message>
        <source>nedvesség detektálás vége</source>
        <translation>moisture end</translation>
    </message>
    <message>
        <source>burkolat zárás</source>
        <translation>case closed</translation>
    </message>
    <message>
        <source>akku feltöltve</source>
        <translation>battery charged</translation>
    </message>
    <message>
        <source>óra átállítás</source>
        <translation>clock set</translation>
    </message>
    <message>
        <source>kiolvasva</source>
        <translation>read out</translation>
    </message>
    <message>
        <source>nincs adat eddig</source>
        <translation>no data until</translation>
    </message>
    <message>
        <source>archiválva ettől</source>
        <translation>archived from</translation>
    </message>
    <message>
        <source>inicializálva</source>
        <translation>initialised</translation>
    </message>
</context>
<context>
    <name>EvaluationTableView</name>
    <message>
        <source>Teljesítés jelentés</source>
        <translation>Fulfilment report</translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Teljesítés jelentés exportálás</source>
        <translation>Export fulfilment report</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation>Exporting %1 failed
%2.</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation>Exporting %1 failed
File write error.</translation>
    </message>
</context>
<context>
    <name>EvaluationView</name>
    <message>
        <source>Teljesítés jelentés mentés</source>
        <translation>Save fulfilment report</translation>
    </message>
    <message>
        <source>Teljesítés jelentések (*.%1)</source>
        <translation>Fulfilment reports (*.%1)</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Exportálás</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>fájlnév:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>A létrehozandó fájl neve, amibe az adatok exportálásra kerülnek</source>
        <translation>Name of the file to create, into which the data are exported</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A létrehozandó fájl neve, amibe az adatok exportálásra kerülnek&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Name of the file to create, into which the data are exported&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>A fájl böngésző használata az exportálás célfájljának kiválasztására</source>
        <translation>Choose the export target file with the file browser</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A fájl böngésző használata az exportálás célfájljának kiválasztására&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose the export target file with the file browser&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>formátum:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Az exportálás fájl típusának kiválasztása</source>
        <translation>Choose the file type of the export</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az exportálás fájl típusának kiválasztása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose the file type of the export&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Oldal beállítás</source>
        <translation>Page setup</translation>
    </message>
    <message>
        <source>Az exportált oldalak kinézetét meghatározó beállítások megadása egy felugró párbeszéd ablakban</source>
        <translation>Set how the exported pages look in a pop-up dialog</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az exportált oldalak kinézetét meghatározó beállítások megadása egy felugró párbeszéd ablakban&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Set how the exported pages look in a pop-up dialog&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>exportálandó tartomány</source>
        <translation>Range to export</translation>
    </message>
    <message>
        <source>Az exportálandó adat tartomány meghatározása</source>
        <translation>Set the range of data to export</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az exportálandó adat tartomány meghatározása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Set the range of data to export&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>minden</source>
        <translation>all</translation>
    </message>
    <message>
        <source>A teljes dokumentum exportálásra kerül</source>
        <translation>The whole document is exported</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A teljes dokumentum exportálásra kerül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The whole document is exported&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>kijelölt tartomány</source>
        <translation>selection</translation>
    </message>
    <message>
        <source>Csak a kijelölt (kiemelten megjelenített) adatok kerülnek exportálásra</source>
        <translation>Only the selected (highlighted) data are exported</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a kijelölt (kiemelten megjelenített) adatok kerülnek exportálásra&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Only the selected (highlighted) data are exported&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>kurzor sorig</source>
        <translation>up to cursor row</translation>
    </message>
    <message>
        <source>Exportálás a dokumentum kezdetétől addig a sorig, ahol a kurzor áll</source>
        <translation>Export from the start of the document up to the row of the cursor</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Exportálás a dokumentum kezdetétől addig a sorig, ahol a kurzor áll&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Export from the start of the document up to the row of the cursor&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>kurzor sortól</source>
        <translation>from cursor row</translation>
    </message>
    <message>
        <source>Exportálás a dokumentum végéig attól a sortól, ahol a kurzor áll</source>
        <translation>Export from the row of the cursor to the end of the document</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Exportálás a dokumentum végéig attól a sortól, ahol a kurzor áll&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Export from the row of the cursor to the end of the document&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>oldalak</source>
        <translation>pages</translation>
    </message>
    <message>
        <source>Csak a megadott lap tartományba eső oldalak exportálása</source>
        <translation>Export only the pages within the given page range</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a megadott lap tartományba eső oldalak exportálása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Export only the pages within the given page range&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>érvényességi dátumot is exportálja</source>
        <translation>also export the validity date</translation>
    </message>
    <message>
        <source>Az egyes bejegyzésekhez tartozó érvényesség kezdete dátum is exportálásra kerül</source>
        <translation>The date from which each entry is valid is exported too</translation>
    </message>
    <message>
        <source>színbeállításokat is exportálja</source>
        <translation>also export the colours</translation>
    </message>
    <message>
        <source>Az egyes bejegyzések háttér, és betűszín beállításai is exportálásra kerülnek</source>
        <translation>The background and text colours of the entries are exported too</translation>
    </message>
    <message>
        <source>&amp;Exportálás</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>A megadott paraméterek szerinti adat exportálás elindítása</source>
        <translation>Start the export with the settings given</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott paraméterek szerinti adat exportálás elindítása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Start the export with the settings given&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Mégsem</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása az exportálás elindítása nélkül</source>
        <translation>Close the dialog without exporting</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A párbeszéd ablak bezárása az exportálás elindítása nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Close the dialog without exporting&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Egyszerű szöveg (*.%1)</source>
        <translation>Plain text (*.%1)</translation>
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
        <translation>Plain text (*.%1);;eXtensible Markup Language (*.%2);;Portable Document Format (*.%3)</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>%1 nevű fájl már létezik.
Felülírjuk?</source>
        <translation>The file %1 already exists.
Overwrite it?</translation>
    </message>
    <message>
        <source>Igen</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation>Exporting %1 failed
File write error.</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation>Exporting %1 failed
%2.</translation>
    </message>
    <message>
        <source>Nincs nyomtatható oldal.
%1 nem készült el.</source>
        <translation>There is no page to print.
%1 was not created.</translation>
    </message>
</context>
<context>
    <name>ExtractRouteDlg</name>
    <message>
        <source>Naplóból útvonal terv kiemelése</source>
        <translation>Route plan from a log</translation>
    </message>
    <message>
        <source>első pont az indulási időtől:</source>
        <translation>first point after the start:</translation>
    </message>
    <message>
        <source>Az útvonal bejárásának megkezdésekor az első pont eléréshez szükséges idő</source>
        <translation>The time from the start of the round to the first point</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal bejárásának megkezdésekor az első pont eléréshez szükséges idő&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The time from the start of the round to the first point&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>perc</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Az esemény naplóban kijelölt, az útvonal tervbe átemelendő ellenőrző pontok listája</source>
        <translation>The checkpoints selected in the event log that go into the route plan</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az esemény naplóban kijelölt, az útvonal tervbe átemelendő ellenőrző pontok listája&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The checkpoints selected in the event log that go into the route plan&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>útvonal terv:</source>
        <translation>route plan:</translation>
    </message>
    <message>
        <source>Az útvonal terv fájl neve, amibe a kijelölt ellenőrzési pontokból álló útvonal kerül</source>
        <translation>Name of the route plan file that receives the route of the selected checkpoints</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal terv fájl neve, amibe a kijelölt ellenőrzési pontokból álló útvonal kerül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Name of the route plan file that receives the route of the selected checkpoints&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Az útvonal terv kiválasztása a fájl böngésző segítségével</source>
        <translation>Choose the route plan with the file browser</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal terv kiválasztása a fájl böngésző segítségével&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose the route plan with the file browser&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>útvonal név:</source>
        <translation>route name:</translation>
    </message>
    <message>
        <source>A most létrehozandó útvonalnak egy tetszőleges, de egyedi nevet kell adni</source>
        <translation>The new route needs a name of your choice that no other route has</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A most létrehozandó útvonalnak egy tetszőleges, de egyedi nevet kell adni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The new route needs a name of your choice that no other route has&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>útvonal típus:</source>
        <translation>route type:</translation>
    </message>
    <message>
        <source>Az útvonal típusa határozza meg az ellenőrzési pontok, és a bejárási idők megadásának módját</source>
        <translation>The route type decides how the checkpoints and times of the round are given</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal típusa határozza meg az ellenőrzési pontok, és a bejárási idők megadásának módját&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The route type decides how the checkpoints and times of the round are given&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A megadottak szerinti útvonal felvétele</source>
        <translation>Add the route as given</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadottak szerinti útvonal felvétele&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Add the route as given&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Elveti az útvonalat és bezárja a párbeszéd ablakot</source>
        <translation>Discards the route and closes the dialog</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Elveti az útvonalat és bezárja a párbeszéd ablakot&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Discards the route and closes the dialog&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Őrjárat leírás kiválasztása</source>
        <translation>Choose a route plan</translation>
    </message>
    <message>
        <source>Őrjárat leírások (*.%1)</source>
        <translation>Route plans (*.%1)</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Egyszerű szöveg (*.%1)</source>
        <translation>Plain text (*.%1)</translation>
    </message>
</context>
<context>
    <name>Fulfilment</name>
    <message>
        <source>útvonalterv</source>
        <translation>route plan</translation>
    </message>
</context>
<context>
    <name>InitDlg</name>
    <message>
        <source>Inicializálás</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Eredeti azonosító név:</source>
        <translation>Original logger name:</translation>
    </message>
    <message>
        <source>Gyári szám:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Legutóbbi kiolvasás:</source>
        <translation>Last read-out:</translation>
    </message>
    <message>
        <source>Elem állapota:</source>
        <translation>Battery state:</translation>
    </message>
    <message>
        <source>Burkolat állapot:</source>
        <translation>Case state:</translation>
    </message>
    <message>
        <source>Nedvesség érzékelés:</source>
        <translation>Moisture detection:</translation>
    </message>
    <message>
        <source>Óra állapota:</source>
        <translation>Clock state:</translation>
    </message>
    <message>
        <source>Új azonosító név:</source>
        <translation>New logger name:</translation>
    </message>
    <message>
        <source>A készüléket azonosító 8 karakterből álló egyedi név, ami nem tartalmazhat szóközt</source>
        <translation>Unique name of the logger, 8 characters, without spaces</translation>
    </message>
    <message>
        <source>Beállítandó idő:</source>
        <translation>Time to set:</translation>
    </message>
    <message>
        <source>A készülék órája tetszőleges időpontra beállítható</source>
        <translation>The logger&apos;s clock can be set to any time</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A készülék órája tetszőleges időpontra beállítható&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The logger&apos;s clock can be set to any time&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>PC idővel</source>
        <translation>With PC time</translation>
    </message>
    <message>
        <source>A készülék átnevezése, órájának számítógéphez igazítása, és egy új, üres esemény napló létrehozása hozzá.</source>
        <translation>Rename the logger, set its clock to the computer&apos;s and start a new, empty event log for it.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A készülék átnevezése, órájának számítógéphez igazítása, és egy új, üres esemény napló létrehozása hozzá.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Rename the logger, set its clock to the computer&apos;s and start a new, empty event log for it.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Ezzel az idővel</source>
        <translation>With this time</translation>
    </message>
    <message>
        <source>A készülék átnevezése, órájának a megadott időre állítása, és egy új, üres esemény napló létrehozása hozzá.</source>
        <translation>Rename the logger, set its clock to the given time and start a new, empty event log for it.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A készülék átnevezése, órájának a megadott időre állítása, és egy új, üres esemény napló létrehozása hozzá.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Rename the logger, set its clock to the given time and start a new, empty event log for it.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Minden változtatás elvetése és a párbeszéd ablak bezárása</source>
        <translation>Discard every change and close the dialog</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minden változtatás elvetése és a párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Discard every change and close the dialog&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Szóköz, és az alábbi karakterek nem megengedettek:
\  /  .  :  ?  *</source>
        <translation>Spaces and the following characters are not allowed:
\  /  .  :  ?  *</translation>
    </message>
    <message>
        <source>A név legalább egy,
és legfeljebb nyolc karakterből állhat!</source>
        <translation>The name must be at least one
and at most eight characters long!</translation>
    </message>
    <message>
        <source>%1 néven már van kiolvasott esemény napló.
Adjon meg egy még nem használt nevet!</source>
        <translation>An event log that was read out under the name %1 already exists.
Enter a name not used yet!</translation>
    </message>
</context>
<context>
    <name>KodNevEditDialog</name>
    <message>
        <source>Kód-Név felvétel</source>
        <translation>Add code name</translation>
    </message>
    <message>
        <source>&amp;Kód:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>Az ellenőrző pont 12 karakterből álló azonosító kódja, amely az A...P betűket tartalmazhatja</source>
        <translation>The 12-character code of the checkpoint, made of the letters A...P</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pont 12 karakterből álló azonosító kódja, amely az A...P betűket tartalmazhatja&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The 12-character code of the checkpoint, made of the letters A...P&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Elnevezés:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Az ellenőrző pontot tetszőlegesen elnevezheti, de az elnevezés legfeljebb 80 karakterből állhat. Ezt a mezőt nem hagyhatja üresen.</source>
        <translation>You may name the checkpoint freely, but the name may be at most 80 characters long. This field cannot be left empty.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontot tetszőlegesen elnevezheti, de az elnevezés legfeljebb 80 karakterből állhat. Ezt a mezőt nem hagyhatja üresen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You may name the checkpoint freely, but the name may be at most 80 characters long. This field cannot be left empty.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Érvényesség kez&amp;dete:</source>
        <translation>Valid &amp;from:</translation>
    </message>
    <message>
        <source>A megadott kódhoz tartozó elnevezés ezen dátumtól kezdődően érvényes.</source>
        <translation>The name of the given code is valid from this date on.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott kódhoz tartozó elnevezés ezen dátumtól kezdődően érvényes.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The name of the given code is valid from this date on.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Háttér szín</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>Betű szín</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Az elnevezés rögzítése a kódlistában</source>
        <translation>Record the name in the code list</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az elnevezés rögzítése a kódlistában&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Record the name in the code list&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>A bevitt adatok elvetése és a párbeszéd ablak bezárása</source>
        <translation>Discard the entries and close the dialog</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A bevitt adatok elvetése és a párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Discard the entries and close the dialog&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kód-Név szerkesztés</source>
        <translation>Edit code name</translation>
    </message>
    <message>
        <source>Kód-Név törlés</source>
        <translation>Delete code name</translation>
    </message>
    <message>
        <source>Töröl</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>mindig érvényes</source>
        <translation>valid at all times</translation>
    </message>
</context>
<context>
    <name>KodNevModel</name>
    <message>
        <source>%1 kód %2 dátummal már szerepel</source>
        <translation>The code %1 with the date %2 is already listed</translation>
    </message>
    <message>
        <source>néven.</source>
        <translation>as name.</translation>
    </message>
    <message>
        <source>Átnevezzük erre:</source>
        <translation>Rename to:</translation>
    </message>
    <message>
        <source>Figyelem</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Átnevez</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>sor</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Érvényes</source>
        <translation>Valid</translation>
    </message>
    <message>
        <source>Kód</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Megnevezés</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kód-név lista beolvasás</source>
        <translation>Reading the code-name list</translation>
    </message>
    <message>
        <source>A beolvasás sikertelen!
%1
sérült, vagy nem megfelelő.</source>
        <translation>Reading failed!
%1
is damaged or not suitable.</translation>
    </message>
    <message>
        <source>%1
nem volt beolvasható.
Felülírjuk a jelenlegi kód-név listával?</source>
        <translation>%1
could not be read.
Overwrite it with the current code-name list?</translation>
    </message>
    <message>
        <source>Felülír</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>Hibaüzenet</source>
        <translation>Error message</translation>
    </message>
    <message>
        <source>A kód-név fájl mentése sikertelen!</source>
        <translation>Saving the code-name file failed!</translation>
    </message>
    <message numerus="yes">
        <source>%1
%n bejegyzés neve üres vagy 80 karakternél hosszabb volt, ezek kimaradtak.</source>
        <translation>
            <numerusform>%1
%n entry had an empty name or one longer than 80 characters; it was left out.</numerusform>
            <numerusform>%1
%n entries had an empty name or one longer than 80 characters; they were left out.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a kód-név listát:
%1
%2</source>
        <translation>The code-name list could not be opened:
%1
%2</translation>
    </message>
    <message>
        <source>A kód-név fájl mentése sikertelen!
%1
%2.</source>
        <translation>Saving the code-name file failed!
%1
%2.</translation>
    </message>
    <message>
        <source>%1
Mióta ez a program beolvasta vagy elmentette, a kód-név lista fájlja megváltozott.
Felülírjuk a másik változatot? Ha nem, most nem mentünk: a lista bejegyzései a programban maradnak, és a következő mentés újra megkérdezi.</source>
        <translation>%1
The code-name list&apos;s file has changed since this program read or saved it.
Overwrite the other version? If not, nothing is saved now: the list&apos;s entries stay in the program, and the next save asks again.</translation>
    </message>
    <message>
        <source>Felülírjuk</source>
        <translation>Overwrite</translation>
    </message>
</context>
<context>
    <name>KodnevView</name>
    <message>
        <source>Nem töltötte ki a kód mezőt
</source>
        <translation>The code field is empty
</translation>
    </message>
    <message>
        <source>Érvénytelen kód: %1
</source>
        <translation>Invalid code: %1
</translation>
    </message>
    <message>
        <source>Nem megfelelő név: %1
</source>
        <translation>Unsuitable name: %1
</translation>
    </message>
    <message>
        <source>Érvénytelen dátum: %1</source>
        <translation>Invalid date: %1</translation>
    </message>
    <message>
        <source>A bejegyzés nem lett felvéve!</source>
        <translation>The entry was not added!</translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Kód-név lista exportálás</source>
        <translation>Code-name list export</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation>Exporting %1 failed
%2.</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation>Exporting %1 failed
File write error.</translation>
    </message>
    <message>
        <source>Kódlista</source>
        <translation>Code list</translation>
    </message>
    <message>
        <source>nem UTF-8 kódolású szöveg</source>
        <translation>the text is not UTF-8 encoded</translation>
    </message>
    <message>
        <source>a sor nem cellákkal kezdődik</source>
        <translation>the row does not start with cells</translation>
    </message>
    <message>
        <source>érvénytelen kód: %1</source>
        <translation>invalid code: %1</translation>
    </message>
    <message>
        <source>Kód-név lista importálás</source>
        <translation>Code-name list import</translation>
    </message>
    <message>
        <source>%1 nem létezik.</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>%1 importálása nem sikerült
%2.</source>
        <translation>Importing %1 failed
%2.</translation>
    </message>
    <message>
        <source>a fájl túl nagy egy kód-név listához</source>
        <translation>the file is too large for a code-name list</translation>
    </message>
    <message>
        <source>%1. sor: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>%1 nem megfelelő adatokat tartalmaz.
%2.</source>
        <translation>%1 does not hold suitable data.
%2.</translation>
    </message>
</context>
<context>
    <name>LogFindDlg</name>
    <message>
        <source>Keresés az esemény naplóban</source>
        <translation>Search the event log</translation>
    </message>
    <message>
        <source>Dátumot</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>A keresés figyelembe veszi a bejegyzés dátumát</source>
        <translation>The search looks at the date of the entry</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresés figyelembe veszi a bejegyzés dátumát&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The search looks at the date of the entry&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A keresendő dátum</source>
        <translation>The date to find</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresendő dátum&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The date to find&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A keresés nem csak a dátumra, hanem az időpontra is kiterjed</source>
        <translation>The search covers the time of day as well as the date</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresés nem csak a dátumra, hanem az időpontra is kiterjed&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The search covers the time of day as well as the date&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>A keresendő időpont</source>
        <translation>The time to find</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresendő időpont&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The time to find&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Találat csak pontos egyezésre</source>
        <translation>Exact matches only</translation>
    </message>
    <message>
        <source>Ha nincs kipipálva, a keresés irányától függően elfogadja a megadottat megelőző, illetve követő dátumot is</source>
        <translation>When not ticked, a date before or after the given one is accepted too, by the direction of the search</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ha nincs kipipálva, a keresés irányától függően elfogadja a megadottat megelőző, illetve követő dátumot is&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;When not ticked, a date before or after the given one is accepted too, by the direction of the search&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Bejegyzést</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>A keresés figyelembe veszi a bejegyzés típusát, illetve az ellenőrző pont kódját</source>
        <translation>The search looks at the kind of entry or the checkpoint code</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresés figyelembe veszi a bejegyzés típusát, illetve az ellenőrző pont kódját&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The search looks at the kind of entry or the checkpoint code&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Rendkívüli bejegyzés</source>
        <translation>Extraordinary entry</translation>
    </message>
    <message>
        <source>Valamilyen rendkívüli (nem pont érintés) bejegyzést keres</source>
        <translation>Looks for an extraordinary entry (not a checkpoint touch)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Valamilyen rendkívüli (nem pont érintés) bejegyzést keres&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Looks for an extraordinary entry (not a checkpoint touch)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A keresendő rendkívüli bejegyzés típusának meghatározása</source>
        <translation>The kind of extraordinary entry to find</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresendő rendkívüli bejegyzés típusának meghatározása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The kind of extraordinary entry to find&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Bármilyen</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>Manipuláció</source>
        <translation>Tampering</translation>
    </message>
    <message>
        <source>Inicializálás</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Óra beállítás</source>
        <translation>Clock setting</translation>
    </message>
    <message>
        <source>Burkolat megbontás</source>
        <translation>Case opened</translation>
    </message>
    <message>
        <source>Nedvesség érzékelés</source>
        <translation>Moisture detection</translation>
    </message>
    <message>
        <source>Akku kimerülés</source>
        <translation>Battery low</translation>
    </message>
    <message>
        <source>Akku mélykisülés</source>
        <translation>Battery deep discharge</translation>
    </message>
    <message>
        <source>Kiolvasás</source>
        <translation>Read-out</translation>
    </message>
    <message>
        <source>Archiválás</source>
        <translation>Archiving</translation>
    </message>
    <message>
        <source>Adatvesztés</source>
        <translation>Data loss</translation>
    </message>
    <message>
        <source>Hosszú szünet</source>
        <translation>Long pause</translation>
    </message>
    <message>
        <source>Ellenőrzőpont</source>
        <translation>Checkpoint</translation>
    </message>
    <message>
        <source>Keresés az ellenőrző pont érintés bejegyzések között</source>
        <translation>Search among the checkpoint touches</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Keresés az ellenőrző pont érintés bejegyzések között&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Search among the checkpoint touches&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>AAAAAAAAAAAA</source>
        <translation>AAAAAAAAAAAA</translation>
    </message>
    <message>
        <source>A keresendő ellenőrző pont azonosító kódja</source>
        <translation>The code of the checkpoint to find</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresendő ellenőrző pont azonosító kódja&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The code of the checkpoint to find&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Választás a már elnevezett ellenőrzési pontok listájából</source>
        <translation>Choose from the list of named checkpoints</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Választás a már elnevezett ellenőrzési pontok listájából&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose from the list of named checkpoints&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Visszafelé</source>
        <translation>Backwards</translation>
    </message>
    <message>
        <source>Ha ki van pipálva, a napló végétől az eleje felé haladva keres</source>
        <translation>When ticked, searches from the end of the log towards its start</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ha ki van pipálva, a napló végétől az eleje felé haladva keres&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;When ticked, searches from the end of the log towards its start&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Keres</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>A megadott paramétereknek megfelelő bejegyzés keresése</source>
        <translation>Find an entry matching the given terms</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott paramétereknek megfelelő bejegyzés keresése&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Find an entry matching the given terms&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>A keresés befejezése, és a párbeszéd ablak bezárása</source>
        <translation>End the search and close the dialog</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresés befejezése, és a párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;End the search and close the dialog&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>LogModel</name>
    <message>
        <source>sor</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Dátum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Kód</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Leírás</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Esemény napló megnyitás</source>
        <translation>Open event log</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az esemény naplót
Nincs név megadva hozzá!</source>
        <translation>The event log could not be opened
It has no name!</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az esemény naplót
%1
Ez a fájl nem létezik</source>
        <translation>The event log could not be opened
%1
This file does not exist</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az esemény naplót:
%1
%2</source>
        <translation>The event log could not be opened:
%1
%2</translation>
    </message>
    <message>
        <source>A beolvasás sikertelen!
%1
sérült, vagy nem megfelelő.</source>
        <translation>Reading failed!
%1
is damaged or not suitable.</translation>
    </message>
    <message>
        <source>A beolvasás sikertelen!
%1
adat olvasási hiba.</source>
        <translation>Reading failed!
%1
data read error.</translation>
    </message>
    <message>
        <source>Esemény napló mentés</source>
        <translation>Save event log</translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni az esemény naplót
Nincs név megadva hozzá!</source>
        <translation>The event log could not be saved
It has no name!</translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni az esemény naplót
%1</source>
        <translation>The event log could not be saved
%1</translation>
    </message>
    <message>
        <source>A bejegyzés nem lett felvéve!</source>
        <translation>The entry was not added!</translation>
    </message>
    <message>
        <source>Nem megfelelő név: %1
</source>
        <translation>Unsuitable name: %1
</translation>
    </message>
    <message>
        <source>Az archív fájl létrehozása nem sikerült!</source>
        <translation>The archive file could not be created!</translation>
    </message>
    <message>
        <source>Az esemény napló mentése nem sikerült:
%1
Az archiválás elmaradt, a napló változatlan.</source>
        <translation>The event log could not be saved:
%1
Nothing was archived; the log is unchanged.</translation>
    </message>
    <message>
        <source>A mentés sikertelen!
%1
adat írási hiba.</source>
        <translation>Saving failed!
%1
data write error.</translation>
    </message>
    <message numerus="yes">
        <source>%n nap </source>
        <translation>
            <numerusform>%n day </numerusform>
            <numerusform>%n days </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogReadOut</name>
    <message>
        <source>Óra beállítás</source>
        <translation>Clock setting</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék órája nem pontos.
Hozzáigazítsuk a számítógéphez?</source>
        <translation>The clock of the connected logger is not right.
Set it to the computer&apos;s time?</translation>
    </message>
    <message>
        <source>Kiolvasás</source>
        <translation>Read-out</translation>
    </message>
    <message>
        <source>Az esemény napló már meglehetősen hosszú.
Ajánlott archiválni, hogy a régi,
már érdektelen bejegyzések ne lassítsák a munkát.</source>
        <translation>The event log has grown rather long.
Archiving is recommended, so that old entries
of no more interest do not slow the work down.</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék nem ehhez a napló fájlhoz tartozik.
Mégis folytassuk a kiolvasást?</source>
        <translation>The connected logger does not belong to this log file.
Continue the read-out anyway?</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék napló kapacitását
meghaladó számú bejegyzés keletkezett.
Ezért a régebbiek közül már valamennyi elveszett.</source>
        <translation>More entries were made than the log
of the connected logger can hold.
Some of the older ones are therefore lost.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Igen</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nem</source>
        <translation>No</translation>
    </message>
    <message>
        <source>A napló elmentve, de a kiolvasás idejét nem sikerült a készülékbe írni.</source>
        <translation>The log is saved, but the read-out time could not be written to the logger.</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék nem az, amelyiknek a kiolvasása elkezdődött.
A kiolvasás elmarad.</source>
        <translation>The connected logger is not the one whose read-out was started.
The read-out is cancelled.</translation>
    </message>
    <message>
        <source>Az esemény napló fájlja a kiolvasás közben megváltozott, és már nem ehhez a kiolvasáshoz illeszkedik.
A kiolvasás elmarad; a bejegyzések a készülékben maradnak.</source>
        <translation>The event log file changed during the read-out and no longer fits this read-out.
The read-out is not carried out; the records stay in the logger.</translation>
    </message>
</context>
<context>
    <name>LogTableView</name>
    <message>
        <source>Rendkívüli bejegyzés keresés</source>
        <translation>Extraordinary entry search</translation>
    </message>
    <message>
        <source>Nincs több rendkívüli bejegyzés
a napló vége felé haladva!</source>
        <translation>No more extraordinary entries
towards the end of the log!</translation>
    </message>
    <message>
        <source>Nincs több rendkívüli bejegyzés
a napló eleje felé haladva!</source>
        <translation>No more extraordinary entries
towards the start of the log!</translation>
    </message>
    <message>
        <source>Naplóból útvonal terv kiemelése</source>
        <translation>Route plan from a log</translation>
    </message>
    <message>
        <source>A kijelölt időtartomány túl hosszú!</source>
        <translation>The selected time span is too long!</translation>
    </message>
    <message>
        <source>A kijelölt tartományban nincsen ellenőrző pont bejegyzés!</source>
        <translation>The selection holds no checkpoint entries!</translation>
    </message>
    <message>
        <source>Keresés</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Nincs a feltételeknek megfelelő bejegyzés
a napló eleje felé haladva!</source>
        <translation>No matching entry
towards the start of the log!</translation>
    </message>
    <message>
        <source>Nincs a feltételeknek megfelelő bejegyzés
a napló vége felé haladva!</source>
        <translation>No matching entry
towards the end of the log!</translation>
    </message>
    <message>
        <source>A bejegyzés nem lett felvéve!</source>
        <translation>The entry was not added!</translation>
    </message>
    <message>
        <source>Nem megfelelő név: %1
</source>
        <translation>Unsuitable name: %1
</translation>
    </message>
    <message>
        <source>Archiválás</source>
        <translation>Archiving</translation>
    </message>
    <message>
        <source>Az archív fájl létrehozása nem sikerült!</source>
        <translation>The archive file could not be created!</translation>
    </message>
    <message>
        <source>Esemény napló</source>
        <translation>Event log</translation>
    </message>
    <message>
        <source>Esemény napló exportálás</source>
        <translation>Export event log</translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation>Exporting %1 failed
%2.</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation>Exporting %1 failed
File write error.</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Archiválás</source>
        <translation>Archiving</translation>
    </message>
    <message>
        <source>Az esemény napló fájlja megváltozott, ezért újra betöltöttük.
Válassza ki ismét a sort, amelytől a napló megmarad, és archiváljon újra.</source>
        <translation>The event log file had changed and has been loaded again.
Choose the row from which the log is kept again, and archive once more.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Súgó</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Tartalom</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Tárgymutató</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>&amp;Új szöveg fájl</source>
        <translation>&amp;New text file</translation>
    </message>
    <message>
        <source>Egy új szöveg fájl létrehozása</source>
        <translation>Create a new text file</translation>
    </message>
    <message>
        <source>&amp;Megnyit...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Egy létező fájl megnyitása</source>
        <translation>Open an existing file</translation>
    </message>
    <message>
        <source>&amp;Nyomtatás...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>A dokumentum kinyomtatása</source>
        <translation>Print the document</translation>
    </message>
    <message>
        <source>Ny&amp;omtatási kép...</source>
        <translation>Print pre&amp;view...</translation>
    </message>
    <message>
        <source>A dokumentum nyomtatási képének előnézete</source>
        <translation>Preview the printed document</translation>
    </message>
    <message>
        <source>&amp;Ellenőrzési pontok</source>
        <translation>&amp;Checkpoints</translation>
    </message>
    <message>
        <source>Az ellenőrzési pontok elnevezéseinek kezelése</source>
        <translation>Manage the names of the checkpoints</translation>
    </message>
    <message>
        <source>&amp;Importálás...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>Ellenőrzési pontok elnevezéseinek importálása</source>
        <translation>Import checkpoint names</translation>
    </message>
    <message>
        <source>&amp;Exportálás...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>Ellenőrzési pontok elnevezéseinek exportálása</source>
        <translation>Export the checkpoint names</translation>
    </message>
    <message>
        <source>Az esemény napló exportálása más fájl formátumba</source>
        <translation>Export the event log to another file format</translation>
    </message>
    <message>
        <source>&amp;Archiválás...</source>
        <translation>&amp;Archive...</translation>
    </message>
    <message>
        <source>A régi esemény bejegyzések archív fájlba mentése</source>
        <translation>Move old event entries into an archive file</translation>
    </message>
    <message>
        <source>Ellenőrzési pont &amp;felvétel</source>
        <translation>&amp;New checkpoint</translation>
    </message>
    <message>
        <source>Egy új ellenőrzési pont név felvétele</source>
        <translation>Add a new checkpoint name</translation>
    </message>
    <message>
        <source>Ellenőrzési pont nevének &amp;módosítása</source>
        <translation>&amp;Modify checkpoint name</translation>
    </message>
    <message>
        <source>Egy létező ellenőrzési pont nevének módosítása</source>
        <translation>Change the name of an existing checkpoint</translation>
    </message>
    <message>
        <source>Ellenőrzési pont elnevezés &amp;törlése</source>
        <translation>&amp;Delete checkpoint name</translation>
    </message>
    <message>
        <source>Egy létező ellenőrzési pont név törlése</source>
        <translation>Delete an existing checkpoint name</translation>
    </message>
    <message>
        <source>Men&amp;tés</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Szöveg fájl lemezre mentése</source>
        <translation>Save the text file to disk</translation>
    </message>
    <message>
        <source>Mentés más né&amp;ven...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>Szöveg fájl lemezre mentése más néven</source>
        <translation>Save the text file to disk under another name</translation>
    </message>
    <message>
        <source>&amp;Kilépés</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Kilép a programból</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Kivágás</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>A kijelölt tartomány kivágása és a vágólapra másolása</source>
        <translation>Cut the selection and copy it to the clipboard</translation>
    </message>
    <message>
        <source>Másolás</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>A kijelölt tartomány vágólapra másolása</source>
        <translation>Copy the selection to the clipboard</translation>
    </message>
    <message>
        <source>Beillesztés</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>A vágólap tartalmának beillesztése</source>
        <translation>Paste the contents of the clipboard</translation>
    </message>
    <message>
        <source>&amp;Bejegyzés keresés...</source>
        <translation>&amp;Find entry...</translation>
    </message>
    <message>
        <source>Bejegyzés keresése az esemény naplóban</source>
        <translation>Find an entry in the event log</translation>
    </message>
    <message>
        <source>Bejegyzések &amp;szűrése...</source>
        <translation>F&amp;ilter entries...</translation>
    </message>
    <message>
        <source>&amp;Következő rendkívüli esemény</source>
        <translation>&amp;Next extraordinary event</translation>
    </message>
    <message>
        <source>Ugrás az esemény naplóban időrendben következő rendkívüli bejegyzésre</source>
        <translation>Go to the next extraordinary entry of the event log in time order</translation>
    </message>
    <message>
        <source>&amp;Előző rendkívüli esemény</source>
        <translation>&amp;Previous extraordinary event</translation>
    </message>
    <message>
        <source>Ugrás az esemény naplóban időrendben megelőző rendkívüli bejegyzésre</source>
        <translation>Go to the previous extraordinary entry of the event log in time order</translation>
    </message>
    <message>
        <source>&amp;Pont elnevezése...</source>
        <translation>N&amp;ame point...</translation>
    </message>
    <message>
        <source>Az aktuális ellenőrző pont elnevezése, vagy nevének módosítása</source>
        <translation>Name the current checkpoint or change its name</translation>
    </message>
    <message>
        <source>&amp;Névtelen kódok keresése...</source>
        <translation>Find &amp;unnamed codes...</translation>
    </message>
    <message>
        <source>Az esemény naplóban még el nem nevezett ellenőrző pontok megkeresése és elnevezése</source>
        <translation>Find and name the checkpoints of the event log that have no name yet</translation>
    </message>
    <message>
        <source>&amp;Beállítások...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>A program működési paramétereinek beállítása</source>
        <translation>Set the program&apos;s operating parameters</translation>
    </message>
    <message>
        <source>&amp;Súgó...</source>
        <translation>&amp;Help...</translation>
    </message>
    <message>
        <source>A program beépített súgójának megjelenítése</source>
        <translation>Show the program&apos;s built-in help</translation>
    </message>
    <message>
        <source>Ablak bezárása</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Az aktív ablak bezárása</source>
        <translation>Close the active window</translation>
    </message>
    <message>
        <source>Minden ablakot bezár</source>
        <translation>Close all windows</translation>
    </message>
    <message>
        <source>Az összes megnyitott ablak bezárása</source>
        <translation>Close every open window</translation>
    </message>
    <message>
        <source>&amp;Kiolvasás</source>
        <translation>&amp;Read out</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék esemény naplójának kiolvasása</source>
        <translation>Read out the event log of the connected logger</translation>
    </message>
    <message>
        <source>&amp;Dátum/idő beállítás...</source>
        <translation>Set &amp;date/time...</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék belső órájának beállítása</source>
        <translation>Set the internal clock of the connected logger</translation>
    </message>
    <message>
        <source>&amp;Inicializálás...</source>
        <translation>&amp;Initialise...</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék használatbavétel előtti beállítása</source>
        <translation>Prepare the connected logger for use</translation>
    </message>
    <message>
        <source>&amp;Státusz</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék állapotának ellenőrzése</source>
        <translation>Check the state of the connected logger</translation>
    </message>
    <message>
        <source>Konfiguráció &amp;beállítás...</source>
        <translation>&amp;Configuration...</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék működési paramétereinek beállítása</source>
        <translation>Set the operating parameters of the connected logger</translation>
    </message>
    <message>
        <source>Óra &amp;hangolás...</source>
        <translation>Clock &amp;tuning...</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék órájának finomhangolása</source>
        <translation>Fine-tune the clock of the connected logger</translation>
    </message>
    <message>
        <source>&amp;Mozaik</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>Egymás melletti ablak elrendezés</source>
        <translation>Arrange the windows side by side</translation>
    </message>
    <message>
        <source>&amp;Lépcsőzetes</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Egymást átfedő, lépcsőzetes ablak elrendezés</source>
        <translation>Arrange the windows overlapping, as a cascade</translation>
    </message>
    <message>
        <source>Következő</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>A következő megnyitott ablakra váltás</source>
        <translation>Switch to the next open window</translation>
    </message>
    <message>
        <source>Előző</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Az előző megnyitott ablakra váltás</source>
        <translation>Switch to the previous open window</translation>
    </message>
    <message>
        <source>Program info...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Verzió szám és egyéb információk</source>
        <translation>Version number and other information</translation>
    </message>
    <message>
        <source>&amp;Qt info...</source>
        <translation>&amp;Qt info...</translation>
    </message>
    <message>
        <source>Információk a Qt rendszerről</source>
        <translation>Information about Qt</translation>
    </message>
    <message>
        <source>Új útvona&amp;lterv</source>
        <translation>New route p&amp;lan</translation>
    </message>
    <message>
        <source>Egy új útvonal terv fájl létrehozása</source>
        <translation>Create a new route plan file</translation>
    </message>
    <message>
        <source>Teljesítés kiértékelés</source>
        <translation>Fulfilment evaluation</translation>
    </message>
    <message>
        <source>Egy útvonal terv alapján jelentés készítés a teljesítésről</source>
        <translation>Make a fulfilment report from a route plan</translation>
    </message>
    <message>
        <source>Útvonal terv lefuttatása</source>
        <translation>Run route plan</translation>
    </message>
    <message>
        <source>Az aktuális, megnyitott útvonal terv alapján jelentés készítés a teljesítésről</source>
        <translation>Make a fulfilment report from the open route plan</translation>
    </message>
    <message>
        <source>Esemény &amp;napló hozzáadás</source>
        <translation>Add event &amp;log</translation>
    </message>
    <message>
        <source>Esemény napló hozzáadása az útvonal tervhez</source>
        <translation>Add an event log to the route plan</translation>
    </message>
    <message>
        <source>Esemény napló e&amp;ltávolítás</source>
        <translation>Remo&amp;ve event log</translation>
    </message>
    <message>
        <source>Esemény napló eltávolítása az útvonal tervből</source>
        <translation>Remove an event log from the route plan</translation>
    </message>
    <message>
        <source>Út&amp;vonal hozzáadás</source>
        <translation>Add &amp;route</translation>
    </message>
    <message>
        <source>Új útvonal hozzáadása az útvonal tervhez</source>
        <translation>Add a new route to the route plan</translation>
    </message>
    <message>
        <source>Útvonal &amp;törlés</source>
        <translation>&amp;Delete route</translation>
    </message>
    <message>
        <source>Egy útvonal törlése az útvonal tervből</source>
        <translation>Delete a route from the route plan</translation>
    </message>
    <message>
        <source>&amp;Indulási idő hozzáadás</source>
        <translation>Add start t&amp;ime</translation>
    </message>
    <message>
        <source>Egy új indulási időpont hozzáadása az útvonal tervhez</source>
        <translation>Add a new start time to the route plan</translation>
    </message>
    <message>
        <source>Indulási idő &amp;eltávolítás</source>
        <translation>Remove start &amp;time</translation>
    </message>
    <message>
        <source>Indulási időpont eltávolítása az útvonal tervből</source>
        <translation>Remove a start time from the route plan</translation>
    </message>
    <message>
        <source>Ellenőrző &amp;pont felvétel</source>
        <translation>Add check&amp;point</translation>
    </message>
    <message>
        <source>Egy új ellenőrző pont hozzáadása az útvonal tervhez</source>
        <translation>Add a new checkpoint to the route plan</translation>
    </message>
    <message>
        <source>Ellenőrző pont &amp;megszüntetés</source>
        <translation>R&amp;emove checkpoint</translation>
    </message>
    <message>
        <source>Egy ellenőrző pont törlése az útvonal tervből</source>
        <translation>Delete a checkpoint from the route plan</translation>
    </message>
    <message>
        <source>Mó&amp;dosít...</source>
        <translation>&amp;Modify...</translation>
    </message>
    <message>
        <source>Az útvonal terv kijelölt elemének módosítása</source>
        <translation>Modify the selected item of the route plan</translation>
    </message>
    <message>
        <source>Útvonal definiálás...</source>
        <translation>Define route...</translation>
    </message>
    <message>
        <source>Az esemény napló kijelölt tartományából útvonal terv létrehozása</source>
        <translation>Make a route plan from the selected stretch of the event log</translation>
    </message>
    <message>
        <source>Csomópontok lenyitása</source>
        <translation>Expand nodes</translation>
    </message>
    <message>
        <source>Az összes csomópont kinyitása a listában</source>
        <translation>Expand every node of the list</translation>
    </message>
    <message>
        <source>Alapértelmezett csomópontok</source>
        <translation>Default nodes</translation>
    </message>
    <message>
        <source>Az alapértelmezett csomópontokon kívül az összeset bezárja a listában</source>
        <translation>Collapses every node of the list except the default ones</translation>
    </message>
    <message>
        <source>Csomópontok becsukása</source>
        <translation>Collapse nodes</translation>
    </message>
    <message>
        <source>Az összes csomópontot összecsukja</source>
        <translation>Collapses every node</translation>
    </message>
    <message>
        <source>Az útvonal terv fájl lemezre mentése</source>
        <translation>Save the route plan to disk</translation>
    </message>
    <message>
        <source>Az útvonal terv fájl lemezre mentése egy új néven</source>
        <translation>Save the route plan to disk under a new name</translation>
    </message>
    <message>
        <source>A teljesítés jelentés fájl lemezre mentése</source>
        <translation>Save the fulfilment report to disk</translation>
    </message>
    <message>
        <source>A teljesítés jelentés fájl lemezre mentése egy új néven</source>
        <translation>Save the fulfilment report to disk under a new name</translation>
    </message>
    <message>
        <source>Útvonal terv exportálása</source>
        <translation>Export the route plan</translation>
    </message>
    <message>
        <source>Útvonal terv importálása</source>
        <translation>Import a route plan</translation>
    </message>
    <message>
        <source>Teljesítés jelentés exportálása</source>
        <translation>Export the fulfilment report</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Sz&amp;erkeszt</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Adatátvitel</source>
        <translation>&amp;Data transfer</translation>
    </message>
    <message>
        <source>&amp;Nézet</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Súgó</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Adatátvitel</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <source>Szerkeszt</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>QUELTA - %1 %2</source>
        <translation>QUELTA - %1 %2</translation>
    </message>
    <message>
        <source>QUELTA járőr ellenőrző rendszer</source>
        <translation>QUELTA guard-tour system</translation>
    </message>
    <message>
        <source>Program információk</source>
        <translation>About the program</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;&lt;big&gt;%1 Őr ellenőrző kiértékelő program&lt;/big&gt;&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Verzió: %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;Ez a program a Qt Project függvény könyvtárait használja, amire az LGPL licensz vonatkozik. Ezen függvény könyvtárak forráskódja megismerhető, és szabadon módosíthatóak. További információ: &lt;a href=&quot;https://www.qt.io/licensing/&quot;&gt;https://www.qt.io/licensing/&lt;/a&gt;&lt;br/&gt;Mindazonáltal nem tudunk garanciát vállalni arra, hogy egy módosított, vagy más verziójú DLL alkalmazásával a program megfelelően fog működni.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;&lt;big&gt;%1 guard-tour evaluation program&lt;/big&gt;&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Version: %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This program uses the libraries of the Qt Project, which are licensed under the LGPL. The source code of these libraries is available and may be modified freely. More information: &lt;a href=&quot;https://www.qt.io/licensing/&quot;&gt;https://www.qt.io/licensing/&lt;/a&gt;&lt;br/&gt;However, we cannot guarantee that the program works correctly with a modified or different version of the libraries.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Esemény napló fájl betöltve</source>
        <translation>Event log loaded</translation>
    </message>
    <message>
        <source>Szöveg fájl betöltve</source>
        <translation>Text file loaded</translation>
    </message>
    <message>
        <source>Esemény naplók (*.%1 *.%2)</source>
        <translation>Event logs (*.%1 *.%2)</translation>
    </message>
    <message>
        <source>Őrjárat leírások (*.%1 *.%2)</source>
        <translation>Route plans (*.%1 *.%2)</translation>
    </message>
    <message>
        <source>Teljesítés jelentések (*.%1)</source>
        <translation>Fulfilment reports (*.%1)</translation>
    </message>
    <message>
        <source>Egyszerű szövegfájlok (*.%1)</source>
        <translation>Plain text files (*.%1)</translation>
    </message>
    <message>
        <source>Minden fájl (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>A fájl elmentve</source>
        <translation>File saved</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Kiolvasás</source>
        <translation>Read-out</translation>
    </message>
    <message>
        <source>Az esemény napló már létezik, de nem sikerült betölteni.
Létrehozzunk helyette egy újat?</source>
        <translation>The event log exists but could not be loaded.
Start a new one instead?</translation>
    </message>
    <message>
        <source>Igen</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nem</source>
        <translation>No</translation>
    </message>
    <message>
        <source>A sérült esemény naplót nem sikerült átnevezni:
%1
A kiolvasás elmarad.</source>
        <translation>The damaged event log could not be renamed:
%1
The read-out is not done.</translation>
    </message>
    <message>
        <source>Óra hangolás</source>
        <translation>Clock tuning</translation>
    </message>
    <message>
        <source>Az óra hangoláshoz szükséges, hogy a számítógép órája pontos legyen!
Folytathatjuk?</source>
        <translation>Tuning the clock needs an exact computer clock!
Continue?</translation>
    </message>
    <message>
        <source>Naplóból útvonal terv kiemelése</source>
        <translation>Route plan from a log</translation>
    </message>
    <message>
        <source>Sikertelen ellenőrző pont felvétel!</source>
        <translation>The checkpoint could not be added!</translation>
    </message>
    <message numerus="yes">
        <source>... és további %n fájl.</source>
        <translation>
            <numerusform>... and %n more file.</numerusform>
            <numerusform>... and %n more files.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fájl megnyitás</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Ellenőrzési pont elnevezések importálása</source>
        <translation>Import checkpoint names</translation>
    </message>
    <message>
        <source>Egyszerű szöveg (*.%1);;eXtensible Markup Language (*.%2)</source>
        <translation>Plain text (*.%1);;eXtensible Markup Language (*.%2)</translation>
    </message>
    <message>
        <source>eXtensible Markup Language (*.%1)</source>
        <translation>eXtensible Markup Language (*.%1)</translation>
    </message>
    <message>
        <source>kódlista</source>
        <translation>code list</translation>
    </message>
    <message>
        <source>eseménynapló</source>
        <translation>event log</translation>
    </message>
    <message>
        <source>útvonal terv jelentés</source>
        <translation>route plan report</translation>
    </message>
    <message>
        <source>teljesítés jelentés</source>
        <translation>fulfilment report</translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Útvonal terv fájl betöltve</source>
        <translation>Route plan file loaded</translation>
    </message>
    <message>
        <source>Az útvonal terv fájl elmentve</source>
        <translation>The route plan file is saved</translation>
    </message>
    <message>
        <source>Az esemény napló hozzáadva az útvonal tervhez</source>
        <translation>The event log was added to the route plan</translation>
    </message>
    <message>
        <source>Az esemény napló eltávolítva az útvonal tervből</source>
        <translation>The event log was removed from the route plan</translation>
    </message>
    <message>
        <source>Egy új útvonal hozzáadva az útvonal tervhez</source>
        <translation>A new route was added to the route plan</translation>
    </message>
    <message>
        <source>Az útvonal törölve az útvonal tervből</source>
        <translation>The route was deleted from the route plan</translation>
    </message>
    <message>
        <source>Egy új indulási idő hozzáadva az útvonal tervhez</source>
        <translation>A new start time was added to the route plan</translation>
    </message>
    <message>
        <source>Az indulási idő törölve az útvonal tervből</source>
        <translation>The start time was deleted from the route plan</translation>
    </message>
    <message>
        <source>Egy új ellenőrző pont hozzáadva az útvonal tervhez</source>
        <translation>A new checkpoint was added to the route plan</translation>
    </message>
    <message>
        <source>Az ellenőrzési pont törölve az útvonal tervből</source>
        <translation>The checkpoint was deleted from the route plan</translation>
    </message>
    <message>
        <source>Az útvonal terv módosult</source>
        <translation>The route plan has changed</translation>
    </message>
    <message>
        <source>Teljesítés jelentés fájl betöltve</source>
        <translation>Fulfilment report file loaded</translation>
    </message>
    <message>
        <source>A teljesítés jelentés fájl elmentve</source>
        <translation>The fulfilment report file is saved</translation>
    </message>
    <message>
        <source>Kilépés</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>A kód-név lista legutóbbi mentése elmaradt: a lista változásai nincsenek elmentve, kilépéskor elvesznek.
Mégis kilépünk?</source>
        <translation>The last save of the code-name list did not take place: its changes are not saved and are lost on exit.
Exit anyway?</translation>
    </message>
    <message>
        <source>Kilépünk</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>OptionDlg</name>
    <message>
        <source>Opciók</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Általános beállítások</source>
        <translation>General settings</translation>
    </message>
    <message>
        <source>A program általános működését befolyásoló beállítások és alapértelmezett értékek</source>
        <translation>Settings and defaults for the program&apos;s general behaviour</translation>
    </message>
    <message>
        <source>Legkorábbi előforduló évszám</source>
        <translation>Earliest year that occurs</translation>
    </message>
    <message>
        <source>yyyy</source>
        <translation>yyyy</translation>
    </message>
    <message>
        <source>Az évezred meghatározása a két számjeggyel megadott dátumokhoz</source>
        <translation>Sets the century of dates given with two-digit years</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az évezred meghatározása a két számjeggyel megadott dátumokhoz&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sets the century of dates given with two-digit years&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Automatikus óra beállítás kiolvasáskor, ha az eltérés több, mint (ó:pp)</source>
        <translation>Set the clock at read-out when it is off by more than (h:mm)</translation>
    </message>
    <message>
        <source>Kiolvasáskor felhasználói beavatkozás nélkül a számítógéphez igazítja a csatlakoztatott készülék óráját</source>
        <translation>At read-out, sets the connected logger&apos;s clock to the computer&apos;s without asking</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kiolvasáskor felhasználói beavatkozás nélkül a számítógéphez igazítja a csatlakoztatott készülék óráját&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;At read-out, sets the connected logger&apos;s clock to the computer&apos;s without asking&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>H:mm</source>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>A beállítható érték 1 perc és 23 óra 59 perc között van</source>
        <translation>The value can be set between 1 minute and 23 hours 59 minutes</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A beállítható érték 1 perc és 23 óra 59 perc között van&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The value can be set between 1 minute and 23 hours 59 minutes&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Automatikus kiértékelés kezdő dátuma az aktuális előtt (nap)</source>
        <translation>Start of the automatic evaluation before today (days)</translation>
    </message>
    <message>
        <source>Az aktuális dátumot ennyi nappal megelőzőt ajánlja alapértelmezettként az automatikus kiértékelés indításakor</source>
        <translation>The automatic evaluation proposes the date this many days before today as its start</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az aktuális dátumot ennyi nappal megelőzőt ajánlja alapértelmezettként az automatikus kiértékelés indításakor&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The automatic evaluation proposes the date this many days before today as its start&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Az automatikus teljesítés kiértékelés részletessége</source>
        <translation>Detail of the automatic fulfilment evaluation</translation>
    </message>
    <message>
        <source>Az automatikus kiértékelés alapértelmezett részletessége</source>
        <translation>Default detail of the automatic evaluation</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az automatikus kiértékelés alapértelmezett részletessége&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Default detail of the automatic evaluation&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>szűkített</source>
        <translation>reduced</translation>
    </message>
    <message>
        <source>normál</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>részletes</source>
        <translation>detailed</translation>
    </message>
    <message>
        <source>Kézi kétoldalas nyomtatási beállítások megjelenítése</source>
        <translation>Show the manual two-sided printing settings</translation>
    </message>
    <message>
        <source>A nyomtatás indítása után még egy párbeszéd ablakot jelenít meg a kézi kétoldalas nyomtatási beállításokkal</source>
        <translation>After printing is started, shows another dialog with the settings for manual two-sided printing</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A nyomtatás indítása után még egy párbeszéd ablakot jelenít meg a kézi kétoldalas nyomtatási beállításokkal&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;After printing is started, shows another dialog with the settings for manual two-sided printing&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A buborék súgó letiltása</source>
        <translation>Turn tool tips off</translation>
    </message>
    <message>
        <source>Az egér kurzor alatti elemről felugró ablakban megjelenő rövid súgó üzenetek letiltása (mint ez is)</source>
        <translation>Turn off the short help texts that pop up over the item under the mouse pointer (like this one)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az egér kurzor alatti elemről felugró ablakban megjelenő rövid súgó üzenetek letiltása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Turn off the short help texts that pop up over the item under the mouse pointer&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Nyelv</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>A program nyelvének kiválasztása</source>
        <translation>Choose the language of the program</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A program nyelvének kiválasztása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose the language of the program&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Automatikus</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Magyar</source>
        <translation>Hungarian</translation>
    </message>
    <message>
        <source>Német</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Angol</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Könyvtárak, útvonalak</source>
        <translation>Directories and paths</translation>
    </message>
    <message>
        <source>Az adat fájlok helyének meghatározásai</source>
        <translation>Where the data files are kept</translation>
    </message>
    <message>
        <source>&amp;Munka könyvtár</source>
        <translation>&amp;Working directory</translation>
    </message>
    <message>
        <source>Az itt megadott könyvtárba kerülnek az esemény naplók, és a program egyéb adat fájljai</source>
        <translation>The event logs and the program&apos;s other data files are kept in this directory</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az itt megadott könyvtárba kerülnek az esemény naplók, és a program egyéb adat fájljai&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The event logs and the program&apos;s other data files are kept in this directory&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Tallóz</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Könyvtár választás a fájl böngésző segítségével</source>
        <translation>Choose a directory with the file browser</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Könyvtár választás a fájl böngésző segítségével&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose a directory with the file browser&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Archiválási könyvtár</source>
        <translation>&amp;Archive directory</translation>
    </message>
    <message>
        <source>Ide kerülnek az archivált esemény naplók</source>
        <translation>The archived event logs are kept here</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ide kerülnek az archivált esemény naplók&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The archived event logs are kept here&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Kód-Név fájl</source>
        <translation>&amp;Code-name file</translation>
    </message>
    <message>
        <source>Az ellenőrzési pontok elnevezéseit tároló fájl neve. Ha nem ad meg útvonalat, a munkakönyvtárba kerül</source>
        <translation>Name of the file that keeps the checkpoint names. Without a path it lies in the working directory</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrzési pontok elnevezéseit tároló fájl neve. Ha nem ad meg útvonalat, a munkakönyvtárba kerül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Name of the file that keeps the checkpoint names. Without a path it lies in the working directory&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kiválasztás a fájl böngésző használatával</source>
        <translation>Choose with the file browser</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kiválasztás a fájl böngésző használatával&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose with the file browser&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Megjelenítés, kinézet</source>
        <translation>Display and appearance</translation>
    </message>
    <message>
        <source>Az adatok megjelenítését, kinézetét befolyásoló beállítások</source>
        <translation>Settings for how the data are shown</translation>
    </message>
    <message>
        <source>Az ellenőrző pontok érintése között eltelt idő megjelenítése</source>
        <translation>Show the time between checkpoint touches</translation>
    </message>
    <message>
        <source>Minden egyes pont érintésnél megjeleníti az előző pont érintése óta eltelt időt</source>
        <translation>Shows at every touch the time since the previous touch</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minden egyes pont érintésnél megjeleníti az előző pont érintése óta eltelt időt&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Shows at every touch the time since the previous touch&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kiemelés rendkívüli eseményként, ha az idő nagyobb, mint (ó:pp)</source>
        <translation>Mark as extraordinary when the time is longer than (h:mm)</translation>
    </message>
    <message>
        <source>Ha egy ellenőrző pont érintése és az előző pont érintése között a megadottnál több idő telt el, a bejegyzés rendkívülinek minősül</source>
        <translation>When more than the given time passes between the touch of a checkpoint and the touch before it, the entry counts as extraordinary</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ha egy ellenőrző pont érintése és az előző pont érintése között a megadottnál több idő telt el, a bejegyzés rendkívülinek minősül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;When more than the given time passes between the touch of a checkpoint and the touch before it, the entry counts as extraordinary&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A megengedett maximális idő két pont érintése között</source>
        <translation>The longest time allowed between two touches</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megengedett maximális idő két pont érintése között&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The longest time allowed between two touches&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Színes kiemelésl az esemény naplóban</source>
        <translation>Colour highlighting in the event log</translation>
    </message>
    <message>
        <source>A rendkívüli  bejegyzések színesen jelennek meg, valamintl az ellenőrző pontok színbeállításai is érvényre jut.</source>
        <translation>Extraordinary entries are shown in colour, and the colours of the checkpoints are applied.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A rendkívüli esemény bejegyzések különböző feltűnő szinekkel kerülnek kiírásra, valamint a normál esemény bejegyzéseknél az ellenőrző pontok színbeállításai is érvényre jut.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Extraordinary event entries are shown in striking colours, and normal entries take the colours set for their checkpoints.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Az ellenőrző pontok kódja mindig jelenjen meg az esemény naplóban</source>
        <translation>Always show the checkpoint codes in the event log</translation>
    </message>
    <message>
        <source>Az ellenőrző pont kódja akkor is megjelenik, ha van elnevezése</source>
        <translation>The checkpoint&apos;s code is shown even when it has a name</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pont kódja akkor is megjelenik, ha van elnevezése&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The checkpoint&apos;s code is shown even when it has a name&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Váltakozó háttér szín a lista soroknál</source>
        <translation>Alternating background colour of list rows</translation>
    </message>
    <message>
        <source>Minden második adatsor háttér színének megváltoztatása</source>
        <translation>Change the background colour of every second row</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minden második adatsor háttér színének megváltoztatása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Change the background colour of every second row&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A listákban használandó betűtípus</source>
        <translation>Font of the lists</translation>
    </message>
    <message>
        <source>A képernyőn és a nyomtatásban megjelenített dokumentumok betű típusa</source>
        <translation>Font of the documents on screen and in print</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A képernyőn és a nyomtatásban megjelenített dokumentumok betű típusa&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Font of the documents on screen and in print&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A listákban használandó betűk mérete</source>
        <translation>Font size of the lists</translation>
    </message>
    <message>
        <source>A képernyőn és a nyomtatásban megjelenített dokumentumok betű mérete</source>
        <translation>Font size of the documents on screen and in print</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A képernyőn és a nyomtatásban megjelenített dokumentumok betű mérete&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Font size of the documents on screen and in print&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Save the options and close the dialog</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A beállítások mentése és a párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Save the options and close the dialog&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Alkalmaz</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>A beállítások mentése a párbeszéd ablak bezárása nélkül</source>
        <translation>Save the options without closing the dialog</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A beállítások mentése a párbeszéd ablak bezárása nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Save the options without closing the dialog&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása a beállítások mentése nélkül</source>
        <translation>Close the dialog without saving the options</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A párbeszéd ablak bezárása a beállítások mentése nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Close the dialog without saving the options&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>A munka könyvtár nem létezik:
%1</source>
        <translation>The working directory does not exist:
%1</translation>
    </message>
    <message>
        <source>A munka könyvtár nem írható:
%1</source>
        <translation>The working directory cannot be written:
%1</translation>
    </message>
    <message>
        <source>Az archiválási könyvtár nem létezik:
%1</source>
        <translation>The archive directory does not exist:
%1</translation>
    </message>
    <message>
        <source>Az archiválási könyvtár nem írható:
%1</source>
        <translation>The archive directory cannot be written:
%1</translation>
    </message>
    <message>
        <source>A kód-név fájl neve hiányzik, vagy egy könyvtárat nevez meg.</source>
        <translation>The name of the code-name file is missing or names a directory.</translation>
    </message>
    <message>
        <source>A kód-név lista módosításait nem sikerült menteni, a beállítások alkalmazásával elvesznek.
Folytatjuk?</source>
        <translation>The changes to the code-name list could not be saved; applying the options will lose them.
Continue?</translation>
    </message>
    <message>
        <source>Igen</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nem</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Munkakönyvtár kiválasztása</source>
        <translation>Choose the working directory</translation>
    </message>
    <message>
        <source>Archiválási könyvtár kiválasztása</source>
        <translation>Choose the archive directory</translation>
    </message>
    <message>
        <source>Kód-név fájlok (*.%1)</source>
        <translation>Code-name files (*.%1)</translation>
    </message>
    <message>
        <source>Kód-név fájl kiválasztása</source>
        <translation>Choose the code-name file</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Nyomtatás</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>A beállított lapméretre a kiválasztott betűmérettel
semmit sem lehet kinyomtatni!</source>
        <translation>With the chosen font size nothing can be printed
on the page size set!</translation>
    </message>
    <message>
        <source>A nyomtatás nem indítható el:
%1</source>
        <translation>Printing cannot be started:
%1</translation>
    </message>
    <message>
        <source>%1   %2 oldal</source>
        <translation>%1   page %2</translation>
    </message>
    <message>
        <source>A nyomtatás nem sikerült.</source>
        <translation>Printing failed.</translation>
    </message>
</context>
<context>
    <name>PointSelectPopUpDlg</name>
    <message>
        <source>Ellenőrző pont kiválasztás</source>
        <translation>Choose a checkpoint</translation>
    </message>
    <message>
        <source>A már elnevezett ellenőrzési pontok listája, amiből kiválaszthatja a kívántat</source>
        <translation>The list of named checkpoints to choose from</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A már elnevezett ellenőrzési pontok listája, amiből kiválaszthatja a kívántat&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The list of named checkpoints to choose from&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kiválaszt</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>A kijelölt ellenőrzési pont kiválasztása</source>
        <translation>Choose the selected checkpoint</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kijelölt ellenőrzési pont kiválasztása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose the selected checkpoint&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Párbeszéd ablak bezárása ellenőrzési pont kiválasztás nélkül</source>
        <translation>Close the dialog without choosing a checkpoint</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Párbeszéd ablak bezárása ellenőrzési pont kiválasztás nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Close the dialog without choosing a checkpoint&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Nincs egyetlen elnevezett ellenőrző pont sem!</source>
        <translation>There is no named checkpoint yet!</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Könyvtár</source>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Fájl név</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Fájl típus</source>
        <translation>File type</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Mégsem</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1   Version: %2     Released: %3</source>
        <translation>%1   Version: %2     Released: %3</translation>
    </message>
    <message>
        <source>akku töltés kezdés - MÉLYKISÜLÉS</source>
        <translation>battery charge start - DEEP DISCHARGE</translation>
    </message>
    <message>
        <source>nedvesség detektálás vége - kezdete</source>
        <translation>moisture end - start</translation>
    </message>
    <message>
        <source>burkolat zárás - nyitás</source>
        <translation>case closed - opened</translation>
    </message>
    <message>
        <source>telep jó - telep kimerült</source>
        <translation>battery good - battery low</translation>
    </message>
    <message>
        <source>új idő - eredeti idő</source>
        <translation>new time - original time</translation>
    </message>
    <message>
        <source>kiolvasva - előző kiolvasás</source>
        <translation>read out - previous read-out</translation>
    </message>
    <message>
        <source>nincs adat eddig - ettől</source>
        <translation>no data until - from</translation>
    </message>
    <message>
        <source>archiválva ettől - eddig</source>
        <translation>archived from - to</translation>
    </message>
    <message>
        <source>inicializálva - előzőleg</source>
        <translation>initialised - before</translation>
    </message>
    <message>
        <source>más készülék! inicializálva - eredeti inic.</source>
        <translation>other logger! initialised - original init.</translation>
    </message>
    <message>
        <source>  *** Nem értelmezhető bejegyzés ***</source>
        <translation>  *** Unreadable entry ***</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ReadOutDlg</name>
    <message>
        <source>Kiolvasás</source>
        <translation>Read-out</translation>
    </message>
    <message>
        <source>Azonosító név:</source>
        <translation>Logger name:</translation>
    </message>
    <message>
        <source>Gyári szám:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Legutóbbi kiolvasás:</source>
        <translation>Last read-out:</translation>
    </message>
    <message>
        <source>Elem állapota:</source>
        <translation>Battery state:</translation>
    </message>
    <message>
        <source>Burkolat állapot:</source>
        <translation>Case state:</translation>
    </message>
    <message>
        <source>Nedvesség érzékelés:</source>
        <translation>Moisture detection:</translation>
    </message>
    <message>
        <source>Óra állapota:</source>
        <translation>Clock state:</translation>
    </message>
    <message>
        <source>Folyamat jelző</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Folyamat jelző&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Progress&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>A művelet befejezése</source>
        <translation>Finish the operation</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A művelet befejezése&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Finish the operation&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
</context>
<context>
    <name>RouteDefDelegate</name>
    <message>
        <source>%1/kör</source>
        <translation>%1/round</translation>
    </message>
    <message>
        <source>kezd:%1</source>
        <translation>start:%1</translation>
    </message>
    <message>
        <source>vég:%1</source>
        <translation>end:%1</translation>
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
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouteDefModel</name>
    <message>
        <source>Elvárt pontosság:</source>
        <translation>Required accuracy:</translation>
    </message>
    <message>
        <source>Vizsgálandó esemény naplók</source>
        <translation>Event logs to check</translation>
    </message>
    <message>
        <source>Bejárandó útvonalak</source>
        <translation>Routes to walk</translation>
    </message>
    <message>
        <source>Indulási idők</source>
        <translation>Start times</translation>
    </message>
    <message>
        <source>Szolgálati idők</source>
        <translation>Service times</translation>
    </message>
    <message>
        <source>Ellenőrző pontok</source>
        <translation>Checkpoints</translation>
    </message>
    <message>
        <source>Az útvonal kiértékelésekor a megadott
időpontokhoz képest még elfogadható eltérés</source>
        <translation>The deviation from the given times
still accepted when the route is evaluated</translation>
    </message>
    <message>
        <source>Egy esemény napló hozzáadása a kiértékeléshez</source>
        <translation>Add an event log to the evaluation</translation>
    </message>
    <message>
        <source>Ebben az esemény naplóban kell keresni az útvonal teljesítését</source>
        <translation>The fulfilment of the routes is looked for in this event log</translation>
    </message>
    <message>
        <source>Az esemény napló eltávolítása a kiértékelésből</source>
        <translation>Remove the event log from the evaluation</translation>
    </message>
    <message>
        <source>Egy új bejárási útvonal hozzáadása</source>
        <translation>Add a new route</translation>
    </message>
    <message>
        <source>A bejárási útvonal elnevezése</source>
        <translation>Name of the route</translation>
    </message>
    <message>
        <source>A bejárási útvonal típusa:
%1</source>
        <translation>Type of the route:
%1</translation>
    </message>
    <message>
        <source>Az az idő, ami alatt a bejárást teljesíteni kell</source>
        <translation>The time within which the round must be completed</translation>
    </message>
    <message>
        <source>A bejárási útvonal törlése</source>
        <translation>Delete the route</translation>
    </message>
    <message>
        <source>Új indulási idő hozzáadása</source>
        <translation>Add a new start time</translation>
    </message>
    <message>
        <source>Új szolgálati idő hozzáadása</source>
        <translation>Add a new service time</translation>
    </message>
    <message>
        <source>Az útvonal bejárásának kezdő időpontja</source>
        <translation>When the round of the route begins</translation>
    </message>
    <message>
        <source>Az útvonal bejárásának befejező időpontja</source>
        <translation>When the round of the route ends</translation>
    </message>
    <message>
        <source>Két ellenőrzőpont érintése között
legalább ennyi időnek kell eltelnie</source>
        <translation>At least this much time must pass
between two checkpoint touches</translation>
    </message>
    <message>
        <source>Két bejárás között
legfeljebb ekkora szünet lehet</source>
        <translation>At most this long a pause
may lie between two rounds</translation>
    </message>
    <message>
        <source>Két ellenőrzőpont érintése között
legfeljebb ennyi időnek szabad eltelnie</source>
        <translation>At most this much time may pass
between two checkpoint touches</translation>
    </message>
    <message>
        <source>Ennyiszer kell bejárni az útvonalat
a szolgálati idő alatt</source>
        <translation>The route must be walked this many times
during the service time</translation>
    </message>
    <message>
        <source>Ennyiszer kell meglátogatni minden
ellenőrző pontot a megadott idő alatt</source>
        <translation>Every checkpoint must be visited this many times
within the given time</translation>
    </message>
    <message>
        <source>Ezen indulási idő törlése</source>
        <translation>Delete this start time</translation>
    </message>
    <message>
        <source>Ezen szolgálati idő törlése</source>
        <translation>Delete this service time</translation>
    </message>
    <message>
        <source>Egy ellenőrző pont hozzáadása</source>
        <translation>Add a checkpoint</translation>
    </message>
    <message>
        <source>Az ellenőrző pontot azonosító kód</source>
        <translation>The code that identifies the checkpoint</translation>
    </message>
    <message>
        <source>Az ellenőrző pontot az idulási idő után ennyivel kell elérni</source>
        <translation>The checkpoint must be reached this long after the start</translation>
    </message>
    <message>
        <source>Ennek az ellenőrző pontnak a törlése</source>
        <translation>Delete this checkpoint</translation>
    </message>
    <message>
        <source>Útvonal terv megnyitás</source>
        <translation>Open route plan</translation>
    </message>
    <message>
        <source>Útvonal terv mentés</source>
        <translation>Save route plan</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az útvonal tervet
Nincs név megadva hozzá!</source>
        <translation>The route plan could not be opened
It has no name!</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az útvonal tervet
%1
Ez a fájl nem létezik</source>
        <translation>The route plan could not be opened
%1
This file does not exist</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az útvonal tervet:
%1
%2</source>
        <translation>The route plan could not be opened:
%1
%2</translation>
    </message>
    <message>
        <source>%1
Nem megfelelő, vagy sérült fájl.</source>
        <translation>%1
Unsuitable or damaged file.</translation>
    </message>
    <message>
        <source>Az adatok beolvasása során hiba lépett fel!</source>
        <translation>An error occurred while reading the data!</translation>
    </message>
    <message>
        <source>%1
Adat olvasási hiba</source>
        <translation>%1
Data read error</translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni az útvonal tervet
Nincs név megadva hozzá!</source>
        <translation>The route plan could not be saved
It has no name!</translation>
    </message>
    <message>
        <source>%1 nevű útvonal terv már létezik.
Felülírjuk?</source>
        <translation>A route plan named %1 already exists.
Overwrite it?</translation>
    </message>
    <message>
        <source>Igen</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Az adatok lemezre írása során hiba lépett fel!</source>
        <translation>An error occurred while writing the data to disk!</translation>
    </message>
    <message>
        <source>Kötött Sorrend - Kötött Indulás</source>
        <translation>Fixed Order - Fixed Start</translation>
    </message>
    <message>
        <source>Kötött Sorrend - Szabad Indulás</source>
        <translation>Fixed Order - Free Start</translation>
    </message>
    <message>
        <source>Szabad Sorrend - Kötött Indulás</source>
        <translation>Free Order - Fixed Start</translation>
    </message>
    <message>
        <source>Szabad Sorrend - Szabad Indulás</source>
        <translation>Free Order - Free Start</translation>
    </message>
    <message>
        <source>Szabad Sorrend - Rugalmas Indulás</source>
        <translation>Free Order - Flexible Start</translation>
    </message>
    <message>
        <source>KS - KI</source>
        <translation>FO - FS</translation>
    </message>
    <message>
        <source>KS - SzI</source>
        <translation>FO - frS</translation>
    </message>
    <message>
        <source>SzS - KI</source>
        <translation>frO - FS</translation>
    </message>
    <message>
        <source>SzS - SzI</source>
        <translation>frO - frS</translation>
    </message>
    <message>
        <source>rugalmas</source>
        <translation>flexible</translation>
    </message>
    <message>
        <source>kód :%1</source>
        <translation>code :%1</translation>
    </message>
    <message>
        <source>Az adatok lemezre írása során hiba lépett fel!
%1.</source>
        <translation>An error occurred while writing the data to disk!
%1.</translation>
    </message>
    <message>
        <source>Egy csoportban legfeljebb %1 sor lehet.</source>
        <translation>A group may have at most %1 rows.</translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni az útvonal tervet</source>
        <translation>The route plan could not be saved</translation>
    </message>
</context>
<context>
    <name>RouteDefView</name>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Esemény napló hozzáadás</source>
        <translation>Add event log</translation>
    </message>
    <message>
        <source>Válassza ki az útvonal tervhez
hozzáadandó esemény naplót:</source>
        <translation>Choose the event log to add
to the route plan:</translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Esemény napló törlés</source>
        <translation>Remove event log</translation>
    </message>
    <message>
        <source>Valóban töröljük a kijelölt esemény naplót?</source>
        <translation>Really remove the selected event log?</translation>
    </message>
    <message>
        <source>Töröljük</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Útvonal törlés</source>
        <translation>Delete route</translation>
    </message>
    <message>
        <source>Valóban töröljük a kijelölt útvonalat?</source>
        <translation>Really delete the selected route?</translation>
    </message>
    <message>
        <source>&quot;%1&quot;  útvonal</source>
        <translation>&quot;%1&quot;  route</translation>
    </message>
    <message>
        <source>Valóban töröljük az alábbi időpontot:
&quot;%1&quot;</source>
        <translation>Really delete this time:
&quot;%1&quot;</translation>
    </message>
    <message>
        <source>Valóban töröljük az alábbi ellenőrző pontot:
&quot;%1%2&quot;</source>
        <translation>Really delete this checkpoint:
&quot;%1%2&quot;</translation>
    </message>
    <message>
        <source>Útvonal módosítás</source>
        <translation>Modify route</translation>
    </message>
    <message>
        <source>Módosít</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Ellenőrző pont módosítás</source>
        <translation>Modify checkpoint</translation>
    </message>
    <message>
        <source>Elvárt pontosság</source>
        <translation>Required accuracy</translation>
    </message>
    <message>
        <source>A megengedett időeltérés percben</source>
        <translation>The time deviation allowed, in minutes</translation>
    </message>
    <message>
        <source>útvonalterv%1.%2</source>
        <translation>routeplan%1.%2</translation>
    </message>
    <message>
        <source>Útvonal terv mentés</source>
        <translation>Save route plan</translation>
    </message>
    <message>
        <source>Őrjárat leírások (*.%1)</source>
        <translation>Route plans (*.%1)</translation>
    </message>
    <message>
        <source>Útvonal terv</source>
        <translation>Route plan</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fájl módosult.
Elmentsük a változásokat?</source>
        <translation>The file &quot;%1&quot; has been changed.
Save the changes?</translation>
    </message>
    <message>
        <source>Mentsük</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ne mentsük</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Útvonal terv exportálás</source>
        <translation>Export route plan</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation>Exporting %1 failed
File write error.</translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation>Exporting %1 failed
%2.</translation>
    </message>
    <message>
        <source>Útvonal terv importálás</source>
        <translation>Import route plan</translation>
    </message>
    <message>
        <source>%1 nem létezik.</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>%1 importálása nem sikerült
%2.</source>
        <translation>Importing %1 failed
%2.</translation>
    </message>
    <message>
        <source>A beolvasás a fájl %1. soránál megállt.</source>
        <translation>Reading stopped at line %1 of the file.</translation>
    </message>
    <message>
        <source>Nyomtatás</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>A beállított lapméretre a kiválasztott betűmérettel
semmit sem lehet kinyomtatni!</source>
        <translation>With the chosen font size nothing fits
on the paper size set!</translation>
    </message>
    <message>
        <source>A nyomtatás nem indítható.</source>
        <translation>Printing cannot be started.</translation>
    </message>
    <message>
        <source>%1 útvonal:  %2    %3</source>
        <translation>Route %1:  %2    %3</translation>
    </message>
    <message>
        <source>kezdete %1  vége %2</source>
        <translation>start %1  end %2</translation>
    </message>
    <message>
        <source>A fájl formátuma nem megfelelő!</source>
        <translation>The file format is not suitable!</translation>
    </message>
    <message numerus="yes">
        <source>kezdete %1  vége %2   %n kör, közte max.%3 szünet</source>
        <translation>
            <numerusform>start %1  end %2   %n round, at most %3 pause between</numerusform>
            <numerusform>start %1  end %2   %n rounds, at most %3 pause between</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kezdete %1  vége %2   %n kör, pontok közt min.%3, max.%4</source>
        <translation>
            <numerusform>start %1  end %2   %n round, between points min. %3, max. %4</numerusform>
            <numerusform>start %1  end %2   %n rounds, between points min. %3, max. %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; útvonal terv, elvárt pontossága: %n perc</source>
        <translation>
            <numerusform>Route plan &quot;%1&quot;, required accuracy: %n minute</numerusform>
            <numerusform>Route plan &quot;%1&quot;, required accuracy: %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>„%1” → „%2”</source>
        <translation>“%1” → “%2”</translation>
    </message>
    <message numerus="yes">
        <source>és még %n útvonal.</source>
        <translation>
            <numerusform>and %n more route.</numerusform>
            <numerusform>and %n more routes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Az alábbi útvonalak nevét rövidíteni vagy módosítani kellett, mert az útvonal terv legfeljebb 80 bájtos neveket tárol, és két útvonalnak nem lehet azonos neve:
%1</source>
        <translation>The names of the following routes had to be shortened or changed, because a route plan holds names of at most 80 bytes and no two routes may share a name:
%1</translation>
    </message>
</context>
<context>
    <name>RouteHead</name>
    <message>
        <source>köridő: %1</source>
        <translation>round time: %1</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>nem közönséges fájl (mappa, eszköz vagy FIFO)</source>
        <translation>not a regular file (folder, device or FIFO)</translation>
    </message>
    <message>
        <source>írási hiba</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Figyelem</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>A mentés megtörtént, de az előző változatot nem sikerült biztonsági másolatként megtartani:
%1
A korábbi biztonsági másolat változatlan.</source>
        <translation>The file was saved, but its previous version could not be kept as the backup:
%1
The earlier backup is unchanged.</translation>
    </message>
    <message>
        <source>egy másik felhasználó szimbolikus linkje egy bárki által írható közös mappában, nem követhető: %1</source>
        <translation>another user&apos;s symbolic link in a shared folder everyone may write, not followed: %1</translation>
    </message>
    <message>
        <source>a program egy másik mentése éppen írja ezt a fájlt; próbálja újra később</source>
        <translation>another save of this program is writing this file right now; try again later</translation>
    </message>
</context>
<context>
    <name>StatusDlg</name>
    <message>
        <source>Állapot információk</source>
        <translation>State information</translation>
    </message>
    <message>
        <source>Azonosító név:</source>
        <translation>Logger name:</translation>
    </message>
    <message>
        <source>Gyári szám:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Modell:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Verzió:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Napló ciklusok:</source>
        <translation>Log cycles:</translation>
    </message>
    <message>
        <source>Inicializálások:</source>
        <translation>Initialisations:</translation>
    </message>
    <message>
        <source>Nedvesedések:</source>
        <translation>Moisture events:</translation>
    </message>
    <message>
        <source>Inicializálva:</source>
        <translation>Initialised:</translation>
    </message>
    <message>
        <source>Kiolvasva:</source>
        <translation>Read out:</translation>
    </message>
    <message>
        <source>Beüzemelve:</source>
        <translation>Put into service:</translation>
    </message>
    <message>
        <source>Javítva:</source>
        <translation>Repaired:</translation>
    </message>
    <message>
        <source>Mélykisülés:</source>
        <translation>Deep discharge:</translation>
    </message>
    <message>
        <source>Elem állapota:</source>
        <translation>Battery state:</translation>
    </message>
    <message>
        <source>Burkolat állapot:</source>
        <translation>Case state:</translation>
    </message>
    <message>
        <source>Nedvesség érzékelés:</source>
        <translation>Moisture detection:</translation>
    </message>
    <message>
        <source>Óra állapota:</source>
        <translation>Clock state:</translation>
    </message>
    <message>
        <source>Frissít</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Adatok újra olvasása a készülékből</source>
        <translation>Read the data from the logger again</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Adatok újra olvasása a készülékből&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Read the data from the logger again&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Bezár</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Close the dialog&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TxtView</name>
    <message>
        <source>document%1.%2</source>
        <translation>document%1.%2</translation>
    </message>
    <message>
        <source>Szövegfájl megnyitás</source>
        <translation>Open text file</translation>
    </message>
    <message>
        <source>%1 fájl megnyitása sikertelen!
%2.</source>
        <translation>Opening the file %1 failed!
%2.</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>%1 mentése nem sikerült!
%2.</source>
        <translation>Saving %1 failed!
%2.</translation>
    </message>
    <message>
        <source>Mentés más néven</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>&apos;%1&apos; megváltozott.
Mentsük a változásokat?</source>
        <translation>&apos;%1&apos; has been changed.
Save the changes?</translation>
    </message>
    <message>
        <source>A fájl nagyobb %1 MB-nál</source>
        <translation>The file is larger than %1 MB</translation>
    </message>
    <message>
        <source>A fájl egy sora hosszabb %1 karakternél</source>
        <translation>A line of the file is longer than %1 characters</translation>
    </message>
</context>
<context>
    <name>UnNamedPointDlg</name>
    <message>
        <source>Névtelen kódok keresése</source>
        <translation>Find unnamed codes</translation>
    </message>
    <message>
        <source>&amp;Kód:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>12 karakterből álló egyedi ellenőrző pont kód, amely az A...P betűkből állhat</source>
        <translation>Unique checkpoint code of 12 characters made of the letters A...P</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;12 karakterből álló egyedi ellenőrző pont kód, amely az A...P betűkből állhat&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Unique checkpoint code of 12 characters made of the letters A...P&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Érvényesség kez&amp;dete:</source>
        <translation>Valid &amp;from:</translation>
    </message>
    <message>
        <source>Az elnevezés ezen dátumtól kezdődően érvényes.</source>
        <translation>The name is valid from this date on.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az elnevezés ezen dátumtól kezdődően érvényes.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The name is valid from this date on.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Elnevezés:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Az ellenőrző pontot tetszőlegesen elnevezheti, de az elnevezés legfeljebb 80 karakterből állhat</source>
        <translation>You may name the checkpoint freely, but the name may be at most 80 characters long</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontot tetszőlegesen elnevezheti, de az elnevezés legfeljebb 80 karakterből állhat&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You may name the checkpoint freely, but the name may be at most 80 characters long&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Háttér szín</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>Betű szín</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>Folyamat jelző</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Folyamat jelző&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Progress&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Felveszi ezt az elnevezést és folytatja a keresést</source>
        <translation>Adds this name and goes on searching</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Felveszi ezt az elnevezést és folytatja a keresést&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Adds this name and goes on searching&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kihagy</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Nem nevezi el ezt a pontot, de folytatja a keresést</source>
        <translation>Leaves this point unnamed but goes on searching</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nevezi el ezt a pontot, de folytatja a keresést&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Leaves this point unnamed but goes on searching&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Befejezi a névtelen kódok keresését</source>
        <translation>Ends the search for unnamed codes</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Befejezi a névtelen kódok keresését&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ends the search for unnamed codes&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>UsbCom</name>
    <message>
        <source>%1   (modell: %2)</source>
        <translation>%1   (model: %2)</translation>
    </message>
    <message>
        <source>A művelet sikeresen végrehajtva!</source>
        <translation>The operation was completed successfully!</translation>
    </message>
    <message>
        <source>Hibás, vagy nem elérhető az FTDI függvénykönyvtár!</source>
        <translation>The FTDI library is faulty or not available!</translation>
    </message>
    <message>
        <source>Hiba lépett fel az FTDI USB driverben!</source>
        <translation>An error occurred in the FTDI USB driver!</translation>
    </message>
    <message>
        <source>Hiba lépett fel az FTDI USB adatátvitelben!</source>
        <translation>An error occurred in the FTDI USB transfer!</translation>
    </message>
    <message>
        <source>Nincs megnyitott adatátviteli csatorna!</source>
        <translation>No transfer channel is open!</translation>
    </message>
    <message>
        <source>Hibás paraméter az adatátviteli parancsban!</source>
        <translation>Wrong parameter in the transfer command!</translation>
    </message>
    <message>
        <source>Nincs csatlakoztatot USB eszköz, vagy az nem válaszol!</source>
        <translation>No USB logger is connected, or it does not answer!</translation>
    </message>
    <message>
        <source>Az adatátvitel során nem értelmezhető válasz érkezett!</source>
        <translation>An answer that cannot be understood arrived during the transfer!</translation>
    </message>
    <message>
        <source>A program működésében belső hiba lépett fel!</source>
        <translation>An internal error occurred in the program!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ismét</source>
        <translation>Retry</translation>
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
        <translation>Exact</translation>
    </message>
    <message>
        <source>kb. %1  feltöltve: %2 %3</source>
        <translation>approx. %1  charged: %2 %3</translation>
    </message>
    <message>
        <source>kb. %1  lemerült: %2 %3</source>
        <translation>approx. %1  discharged: %2 %3</translation>
    </message>
    <message>
        <source>Összeszerelve: %1 %2</source>
        <translation>Closed: %1 %2</translation>
    </message>
    <message>
        <source>Szétszedve: %1 %2</source>
        <translation>Opened: %1 %2</translation>
    </message>
    <message>
        <source>Száraz lett: %1 %2</source>
        <translation>Became dry: %1 %2</translation>
    </message>
    <message>
        <source>Nedves lett: %1 %2</source>
        <translation>Became wet: %1 %2</translation>
    </message>
    <message>
        <source>%1 %2   %3</source>
        <translation>%1 %2   %3</translation>
    </message>
    <message>
        <source>Idő beállító bejegyzés
keresése az esemény naplóban</source>
        <translation>Looking for a clock-set entry
in the event log</translation>
    </message>
    <message>
        <source>Nincs az esemény naplóban óra beállítás bejegyzés,
az óra behangolása nem lehetséges!</source>
        <translation>The event log holds no clock-set entry,
the clock cannot be tuned!</translation>
    </message>
    <message>
        <source>Kevés idő telt el az óra beállítás óta,
a hangolás még nem lehetséges!</source>
        <translation>Too little time has passed since the clock was set,
tuning is not possible yet!</translation>
    </message>
    <message>
        <source>A behangolás nem sikerült!</source>
        <translation>The tuning failed!</translation>
    </message>
    <message>
        <source>Az óra pontossága behangolva!</source>
        <translation>The clock has been tuned!</translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása</source>
        <translation>Close the dialog</translation>
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
        <translation>unknown</translation>
    </message>
    <message>
        <source>2,01V</source>
        <translation>2.01V</translation>
    </message>
    <message>
        <source>2,08V</source>
        <translation>2.08V</translation>
    </message>
    <message>
        <source>2,30V</source>
        <translation>2.30V</translation>
    </message>
    <message>
        <source>2,47V</source>
        <translation>2.47V</translation>
    </message>
    <message>
        <source>2,56V</source>
        <translation>2.56V</translation>
    </message>
    <message>
        <source>2,77V</source>
        <translation>2.77V</translation>
    </message>
    <message>
        <source>3,03V</source>
        <translation>3.03V</translation>
    </message>
    <message>
        <source>3,18V</source>
        <translation>3.18V</translation>
    </message>
    <message>
        <source>3,33V</source>
        <translation>3.33V</translation>
    </message>
    <message>
        <source>3,51V</source>
        <translation>3.51V</translation>
    </message>
    <message>
        <source>3,70V</source>
        <translation>3.70V</translation>
    </message>
    <message>
        <source>3,92V</source>
        <translation>3.92V</translation>
    </message>
    <message>
        <source>4,14V</source>
        <translation>4.14V</translation>
    </message>
    <message>
        <source>4,44V</source>
        <translation>4.44V</translation>
    </message>
    <message>
        <source>4,76V</source>
        <translation>4.76V</translation>
    </message>
    <message>
        <source>?,??V</source>
        <translation>?.??V</translation>
    </message>
    <message>
        <source>ADC %1V</source>
        <translation>ADC %1V</translation>
    </message>
    <message>
        <source>Zárt</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>Nyitott</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Száraz</source>
        <translation>Dry</translation>
    </message>
    <message>
        <source>Nedves</source>
        <translation>Wet</translation>
    </message>
    <message>
        <source>Akku hőmérséklet: %L1 °C</source>
        <translation>Battery temperature: %L1 °C</translation>
    </message>
    <message>
        <source>Napló törlés</source>
        <translation>Clear log</translation>
    </message>
    <message>
        <source>Törlés folyamatban</source>
        <translation>Clearing</translation>
    </message>
    <message>
        <source>Javítási napló mentés</source>
        <translation>Save repair log</translation>
    </message>
    <message>
        <source>A javítási napló mentése nem sikerült
%1.</source>
        <translation>Saving the repair log failed
%1.</translation>
    </message>
    <message>
        <source>A javítási napló mentése nem sikerült
%1 fájl írási hiba.</source>
        <translation>Saving the repair log failed
write error in the file %1.</translation>
    </message>
    <message>
        <source>Sys NVM mentés</source>
        <translation>Save Sys NVM</translation>
    </message>
    <message>
        <source>A konfigurációs NVM mentése nem sikerült
%1 fájl írási hiba.</source>
        <translation>Saving the configuration NVM failed
write error in the file %1.</translation>
    </message>
    <message>
        <source>A konfigurációs NVM mentése nem sikerült
%1.</source>
        <translation>Saving the configuration NVM failed
%1.</translation>
    </message>
    <message>
        <source>Sys NVM visszaállítás</source>
        <translation>Restore Sys NVM</translation>
    </message>
    <message>
        <source>Hex fájlok (*.%1)</source>
        <translation>Hex files (*.%1)</translation>
    </message>
    <message>
        <source>%1 fájl megnyitása nem sikerült
%2.</source>
        <translation>The file %1 could not be opened
%2.</translation>
    </message>
    <message>
        <source>%1 fájl nem tartalmaz megfelelő adatokat
A konfiguráció nem módosult.</source>
        <translation>The file %1 does not hold suitable data
The configuration was not changed.</translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Az óra eltérése túl nagy,
az óra behangolása nem lehetséges!</source>
        <translation>The clock is off by too much,
it cannot be fine-tuned!</translation>
    </message>
    <message numerus="yes">
        <source>Késik %n napot</source>
        <translation>
            <numerusform>%n day slow</numerusform>
            <numerusform>%n days slow</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Siet %n napot</source>
        <translation>
            <numerusform>%n day fast</numerusform>
            <numerusform>%n days fast</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Siet %n másodpercet</source>
        <translation>
            <numerusform>%n second fast</numerusform>
            <numerusform>%n seconds fast</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Siet %n percet</source>
        <translation>
            <numerusform>%n minute fast</numerusform>
            <numerusform>%n minutes fast</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Siet %n órát</source>
        <translation>
            <numerusform>%n hour fast</numerusform>
            <numerusform>%n hours fast</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Késik %n másodpercet</source>
        <translation>
            <numerusform>%n second slow</numerusform>
            <numerusform>%n seconds slow</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Késik %n percet</source>
        <translation>
            <numerusform>%n minute slow</numerusform>
            <numerusform>%n minutes slow</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Késik %n órát</source>
        <translation>
            <numerusform>%n hour slow</numerusform>
            <numerusform>%n hours slow</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>addPointDlg</name>
    <message>
        <source>Ellenőrző pont hozzáadás</source>
        <translation>Add checkpoint</translation>
    </message>
    <message>
        <source>Ellenőrző pont idő</source>
        <translation>Checkpoint time</translation>
    </message>
    <message>
        <source>A kiértékelési dátumot ennyivel követő naphoz tartozik a megadott időpont</source>
        <translation>The given time belongs to the day this many days after the evaluation date</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiértékelési dátumot ennyivel követő naphoz tartozik a megadott időpont&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The given time belongs to the day this many days after the evaluation date&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>nap</source>
        <translation>days</translation>
    </message>
    <message>
        <source>H:mm</source>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>Ebben az időpontban kell az ellenőrző pontot meglátogatni</source>
        <translation>The checkpoint must be visited at this time</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ebben az időpontban kell az ellenőrző pontot meglátogatni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The checkpoint must be visited at this time&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Ellenőrző pont kód</source>
        <translation>Checkpoint code</translation>
    </message>
    <message>
        <source>Az ellenőrző pont meghatározására szolgáló 12 karakteres kód</source>
        <translation>The 12-character code that identifies the checkpoint</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pont meghatározására szolgáló 12 karakteres kód&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The 12-character code that identifies the checkpoint&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Választás a már elnevezett ellenőrző pontok listájából</source>
        <translation>Choose from the list of named checkpoints</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Választás a már elnevezett ellenőrző pontok listájából&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose from the list of named checkpoints&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Az ellenőrző pont mentése az útvonal tervbe</source>
        <translation>Save the checkpoint into the route plan</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pont mentése az útvonal tervbe&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Save the checkpoint into the route plan&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Visszalépés a pont mentése nélkül</source>
        <translation>Go back without saving the point</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Visszalépés a pont mentése nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Go back without saving the point&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Útvonal név: &quot;%1&quot;</source>
        <translation>Route name: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>addStartDlg</name>
    <message>
        <source>A kiértékelési dátumot ennyivel követő naphoz tartozik a megadott időpont</source>
        <translation>The given time belongs to the day this many days after the evaluation date</translation>
    </message>
    <message>
        <source>nap</source>
        <translation>days</translation>
    </message>
    <message>
        <source>H:mm</source>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>A megadott időhöz még ennyi napot hozzá kell adni</source>
        <translation>This many days are added to the given time</translation>
    </message>
    <message>
        <source>Két egymás utáni pont érintése között legalább enyi időnek el kell telni</source>
        <translation>At least this much time must pass between two successive touches</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Két egymás utáni pont érintése között legalább enyi időnek el kell telni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;At least this much time must pass between two successive touches&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Két egymás utáni pont érintése között legfeljebb ennyi idő telhet el</source>
        <translation>At most this much time may pass between two successive touches</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Két egymás utáni pont érintése között legfeljebb ennyi idő telhet el&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;At most this much time may pass between two successive touches&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Az útvonal ellenőrző pontjait legalább ennyiszer kell a megadott időtartam alatt meglátogatni</source>
        <translation>The checkpoints of the route must be visited at least this many times within the given time</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal ellenőrző pontjait legalább ennyiszer kell a megadott időtartam alatt meglátogatni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The checkpoints of the route must be visited at least this many times within the given time&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>A pont idő mentése az útvonal tervbe</source>
        <translation>Save the point time into the route plan</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A pont idő mentése az útvonal tervbe&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Save the point time into the route plan&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Visszalépés az idő meghatározás mentése nélkül</source>
        <translation>Go back without saving the time</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Visszalépés az idő meghatározás mentése nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Go back without saving the time&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Útvonal név: &quot;%1&quot;</source>
        <translation>Route name: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Indulási idő:</source>
        <translation>Start time:</translation>
    </message>
    <message>
        <source>Az útvonal bejárását az itt megadott időpontban kell elkezdeni.</source>
        <translation>The round must start at the time given here.</translation>
    </message>
    <message>
        <source>Indulás legkorábban:</source>
        <translation>Start at the earliest:</translation>
    </message>
    <message>
        <source>Az útvonal bejárását legkorábban az itt megadott időpontban kell elkezdeni</source>
        <translation>The round may start at the earliest at the time given here</translation>
    </message>
    <message>
        <source>Indulás legkésőbb:</source>
        <translation>Start at the latest:</translation>
    </message>
    <message>
        <source>Az útvonal bejárását legkésőbb az itt megadott időpontig el kell kezdeni</source>
        <translation>The round must start by the time given here at the latest</translation>
    </message>
    <message>
        <source>Körök közti idő:</source>
        <translation>Time between rounds:</translation>
    </message>
    <message>
        <source>Két körbejárás között legfeljebb ennyi idő telhet el</source>
        <translation>At most this much time may pass between two rounds</translation>
    </message>
    <message>
        <source>Körszám:</source>
        <translation>Rounds:</translation>
    </message>
    <message>
        <source>Szolgálat kezdete:</source>
        <translation>Service start:</translation>
    </message>
    <message>
        <source>Az útvonal bejárásának kezdő időpontja</source>
        <translation>When the round of the route begins</translation>
    </message>
    <message>
        <source>Szolgálat vége:</source>
        <translation>Service end:</translation>
    </message>
    <message>
        <source>Az útvonal bejárásának záró időpontja</source>
        <translation>When the rounds of the route close</translation>
    </message>
    <message>
        <source>Követés legalább:</source>
        <translation>Follow at least:</translation>
    </message>
    <message>
        <source>Követés legfeljebb:</source>
        <translation>Follow at most:</translation>
    </message>
    <message>
        <source>Ennyiszer:</source>
        <translation>Times:</translation>
    </message>
    <message>
        <source>A kezdő időpont későbbi, mint a vég időpont!
</source>
        <translation>The start time is later than the end time!
</translation>
    </message>
    <message>
        <source>A minimális követési idő nagyobb, mint a maximális követési idő!
</source>
        <translation>The shortest follow time is longer than the longest!
</translation>
    </message>
    <message>
        <source>Idő megadási hiba</source>
        <translation>Time entry error</translation>
    </message>
    <message>
        <source>Indulási idő módosítás</source>
        <translation>Modify start time</translation>
    </message>
    <message>
        <source>Indulási idő hozzáadás</source>
        <translation>Add start time</translation>
    </message>
    <message>
        <source>Indulási időtartomány módosítás</source>
        <translation>Modify start range</translation>
    </message>
    <message>
        <source>Indulási időtartomány hozzáadás</source>
        <translation>Add start range</translation>
    </message>
    <message>
        <source>Szolgálati idő módosítás</source>
        <translation>Modify service time</translation>
    </message>
    <message>
        <source>Szolgálati idő hozzáadás</source>
        <translation>Add service time</translation>
    </message>
</context>
<context>
    <name>archiveDlg</name>
    <message>
        <source>Archiválás</source>
        <translation>Archiving</translation>
    </message>
    <message>
        <source>A naplóban megmaradó bejegyzések</source>
        <translation>Entries kept in the log</translation>
    </message>
    <message>
        <source>Kurzor sortól a napló végéig</source>
        <translation>From the cursor row to the end of the log</translation>
    </message>
    <message>
        <source>A kurzor sort megelőző bejegyzések eltávolításra kerülnek az esemény naplóból, és csak az archivált naplóban maradnak meg.</source>
        <translation>The entries before the cursor row are removed from the event log and kept only in the archive.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kurzor sort megelőző bejegyzések eltávolításra kerülnek az esemény naplóból, és csak az archivált naplóban maradnak meg.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The entries before the cursor row are removed from the event log and kept only in the archive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Utolsó</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>A legutolsó, megadott számú kiolvasás adatai maradnak meg az esemény naplóban, a többi csak az archiváltban.</source>
        <translation>The data of the given number of latest read-outs stay in the event log, the rest only in the archive.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A legutolsó, megadott számú kiolvasás adatai maradnak meg az esemény naplóban, a többi csak az archiváltban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The data of the given number of latest read-outs stay in the event log, the rest only in the archive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source> kiolvasás</source>
        <translation> read-out(s)</translation>
    </message>
    <message>
        <source>Ennyi legutóbbi kiolvasás adata marad meg az esemény naplóban, a többi csak az archiváltban.</source>
        <translation>The data of this many latest read-outs stay in the event log, the rest only in the archive.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ennyi legutóbbi kiolvasás adata marad meg az esemény naplóban, a többi csak az archiváltban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The data of this many latest read-outs stay in the event log, the rest only in the archive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Dátumtól</source>
        <translation>From date</translation>
    </message>
    <message>
        <source>A megadott dátumú, és az azt követő bejegyzések maradnak meg az esemény naplóban, a többi csak az archiváltban.</source>
        <translation>The entries of the given date and later stay in the event log, the rest only in the archive.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott dátumú, és az azt követő bejegyzések maradnak meg az esemény naplóban, a többi csak az archiváltban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The entries of the given date and later stay in the event log, the rest only in the archive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Az itt megadott dátumú, és az azt követő bejegyzések maradnak meg az esemény naplóban, a többi csak az archiváltban.</source>
        <translation>The entries of the date given here and later stay in the event log, the rest only in the archive.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az itt megadott dátumú, és az azt követő bejegyzések maradnak meg az esemény naplóban, a többi csak az archiváltban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The entries of the date given here and later stay in the event log, the rest only in the archive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Üres napló</source>
        <translation>Empty log</translation>
    </message>
    <message>
        <source>Az archiválás után az esemény napló üres lesz, illetve csak az archiválást jelölő bejegyzés lesz benne.</source>
        <translation>After archiving, the event log is empty but for the entry that marks the archiving.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az archiválás után az esemény napló üres lesz, illetve csak az archiválást jelölő bejegyzés lesz benne.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;After archiving, the event log is empty but for the entry that marks the archiving.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Az archiválás elindítása</source>
        <translation>Start the archiving</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az archiválás elindítása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Start the archiving&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Mégsem archiválja az esemény naplót</source>
        <translation>Do not archive the event log after all</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Mégsem archiválja az esemény naplót&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Do not archive the event log after all&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message numerus="yes">
        <source> kiolvasás</source>
        <comment>after the number of read-outs</comment>
        <translation>
            <numerusform> read-out</numerusform>
            <numerusform> read-outs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>evaluationDlg</name>
    <message>
        <source>Teljesítés kiértékelés</source>
        <translation>Fulfilment evaluation</translation>
    </message>
    <message>
        <source>Őrjárat:</source>
        <translation>Route plan:</translation>
    </message>
    <message>
        <source>A kiértékeléshez használandó útvonal terv fájl</source>
        <translation>The route plan file used for the evaluation</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiértékeléshez használandó útvonal terv fájl&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The route plan file used for the evaluation&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>tallóz</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Az útvonal terv kiválasztása a fájl böngésző segítségével</source>
        <translation>Choose the route plan with the file browser</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal terv kiválasztása a fájl böngésző segítségével&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose the route plan with the file browser&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Kezdés:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>A kiértékelés kezdő dátuma. Az útvonal tervben megadott időpontoknak gyakorlatilag ez a dátum része.</source>
        <translation>Start date of the evaluation. The times given in the route plan refer to this date.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiértékelés kezdő dátuma. Az útvonal tervben megadott időpontoknak gyakorlatilag ez a dátum része.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Start date of the evaluation. The times given in the route plan refer to this date.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Jelentés</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>A készítendő jelentés adattartamának részletességét lehet itt beállítani</source>
        <translation>Set here how detailed the report will be</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A készítendő jelentés adattartamának részletességét lehet itt beállítani&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Set here how detailed the report will be&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>szűkített</source>
        <translation>reduced</translation>
    </message>
    <message>
        <source>Minimális adattartalmú, csak a hibákat tartalmazó jelentés</source>
        <translation>Minimal report listing only the faults</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minimális adattartalmú, csak a hibákat tartalmazó jelentés&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minimal report listing only the faults&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>egyszerű</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>Szokásos adat tartalmú jelentés, a hibátlan teljesítéseket is listázza</source>
        <translation>Usual report that also lists the faultless fulfilments</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Szokásos adat tartalmú jelentés, a hibátlan teljesítéseket is listázza&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Usual report that also lists the faultless fulfilments&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>részletes</source>
        <translation>detailed</translation>
    </message>
    <message>
        <source>A lehető legrészletesebb jelentés, a kimaradt pontok tételes listázásával</source>
        <translation>The most detailed report, listing every missed point</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lehető legrészletesebb jelentés, a kimaradt pontok tételes listázásával&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The most detailed report, listing every missed point&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Indít</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>A kiválasztott útvonal terv, kezdő dátum, és részletesség szerint elvégzi a kiértékelést</source>
        <translation>Runs the evaluation with the chosen route plan, start date and level of detail</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiválasztott útvonal terv, kezdő dátum, és részletesség szerint elvégzi a kiértékelést&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Runs the evaluation with the chosen route plan, start date and level of detail&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása a kiértékelés elindítása nélkül</source>
        <translation>Close the dialog without evaluating</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A párbeszéd ablak bezárása a kiértékelés elindítása nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Close the dialog without evaluating&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>logFilterDlg</name>
    <message>
        <source>Napló szűrése</source>
        <translation>Filter the log</translation>
    </message>
    <message>
        <source>Rendkívüli bejegyzés</source>
        <translation>Extraordinary entry</translation>
    </message>
    <message>
        <source>Csak a kiválasztott típusú rendkívüli esemény bejegyzések jelennek meg a listában</source>
        <translation>Only extraordinary entries of the chosen kind are listed</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a kiválasztott típusú rendkívüli esemény bejegyzések jelennek meg a listában&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Only extraordinary entries of the chosen kind are listed&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Az itt kiválasztott típusú rendkívüli eseményeken kívül semmilyen más bejegyzés nem jelenik meg a listában</source>
        <translation>No entry but the extraordinary events of the kind chosen here is listed</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az itt kiválasztott típusú rendkívüli eseményeken kívül semmilyen más bejegyzés nem jelenik meg a listában&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;No entry but the extraordinary events of the kind chosen here is listed&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Bármilyen</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>Manipuláció</source>
        <translation>Tampering</translation>
    </message>
    <message>
        <source>Inicializálás</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Óra beállítás</source>
        <translation>Clock setting</translation>
    </message>
    <message>
        <source>Burkolat megbontás</source>
        <translation>Case opened</translation>
    </message>
    <message>
        <source>Nedvesség érzékelés</source>
        <translation>Moisture detection</translation>
    </message>
    <message>
        <source>Akku kimerülés</source>
        <translation>Battery low</translation>
    </message>
    <message>
        <source>Akku mélykisülés</source>
        <translation>Battery deep discharge</translation>
    </message>
    <message>
        <source>Kiolvasás</source>
        <translation>Read-out</translation>
    </message>
    <message>
        <source>Archiválás</source>
        <translation>Archiving</translation>
    </message>
    <message>
        <source>Adatvesztés</source>
        <translation>Data loss</translation>
    </message>
    <message>
        <source>Hosszú szünet</source>
        <translation>Long pause</translation>
    </message>
    <message>
        <source>Ellenőrzőpont</source>
        <translation>Checkpoint</translation>
    </message>
    <message>
        <source>Csak a kiválasztott ellenőrző pont érintései jelennek meg a listában</source>
        <translation>Only the touches of the chosen checkpoint are listed</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a kiválasztott ellenőrző pont érintései jelennek meg a listában&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Only the touches of the chosen checkpoint are listed&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>AAAAAAAAAAAA</source>
        <translation>AAAAAAAAAAAA</translation>
    </message>
    <message>
        <source>Kizárólag az ehhez a kódhoz tartozó ellenőrzési pontok kerülnek listázásra</source>
        <translation>Only the checkpoints of this code are listed</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kizárólag az ehhez a kódhoz tartozó ellenőrzési pontok kerülnek listázásra&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Only the checkpoints of this code are listed&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Választás a már elnevezett ellenőrzési pontok listájából</source>
        <translation>Choose from the list of named checkpoints</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Választás a már elnevezett ellenőrzési pontok listájából&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose from the list of named checkpoints&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Szűrés</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Csak a megadott szűrési feltételnek megfelelő bejegyzések listázódnak</source>
        <translation>Only the entries matching the filter are listed</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a megadott szűrési feltételnek megfelelő bejegyzések listázódnak&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Only the entries matching the filter are listed&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Nem szűr</source>
        <translation>No filter</translation>
    </message>
    <message>
        <source>A szűrés kikapcsolása, minden bejegyzés listázásra kerül</source>
        <translation>Turn the filter off; every entry is listed</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A szűrés kikapcsolása, minden bejegyzés listázásra kerül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Turn the filter off; every entry is listed&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Párbeszéd ablak bezárása a szűrési beállítások megváltoztatása nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Close the dialog without changing the filter settings&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>pageSetupDlg</name>
    <message>
        <source>Oldal beállítás</source>
        <translation>Page setup</translation>
    </message>
    <message>
        <source>Margók</source>
        <translation>Margins</translation>
    </message>
    <message>
        <source>balról:</source>
        <translation>left:</translation>
    </message>
    <message>
        <source>Nem nyomtatható sáv szélessége a bal oldalon</source>
        <translation>Width of the unprinted margin on the left</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nyomtatható sáv szélessége a bal oldalon&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Width of the unprinted margin on the left&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>jobbról:</source>
        <translation>right:</translation>
    </message>
    <message>
        <source>Nem nyomtatható sáv szélessége a jobb oldalon</source>
        <translation>Width of the unprinted margin on the right</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nyomtatható sáv szélessége a jobb oldalon&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Width of the unprinted margin on the right&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>felül:</source>
        <translation>top:</translation>
    </message>
    <message>
        <source>Nem nyomtatható sáv szélessége a lap tetején</source>
        <translation>Width of the unprinted margin at the top</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nyomtatható sáv szélessége a lap tetején&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Width of the unprinted margin at the top&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>alul:</source>
        <translation>bottom:</translation>
    </message>
    <message>
        <source>Nem nyomtatható sáv szélessége a lap alján</source>
        <translation>Width of the unprinted margin at the bottom</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nyomtatható sáv szélessége a lap alján&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Width of the unprinted margin at the bottom&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Lapméret</source>
        <translation>Paper size</translation>
    </message>
    <message>
        <source>A lap méret kiválasztása a szokásos méretek közül</source>
        <translation>Choose the paper size from the usual sizes</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lap méret kiválasztása a szokásos méretek közül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Choose the paper size from the usual sizes&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>hosszabb oldal:</source>
        <translation>longer side:</translation>
    </message>
    <message>
        <source>Egyedi lapméret hosszabbik oldala</source>
        <translation>Longer side of a custom paper size</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Egyedi lapméret hosszabbik oldala&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Longer side of a custom paper size&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>rövidebb oldal:</source>
        <translation>shorter side:</translation>
    </message>
    <message>
        <source>Egyedi lapméret rövidebbik oldala</source>
        <translation>Shorter side of a custom paper size</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Egyedi lapméret rövidebbik oldala&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Shorter side of a custom paper size&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Színkezelés</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Fekete-fehér</source>
        <translation>Black and white</translation>
    </message>
    <message>
        <source>Nem használ színeket, minden fekete-fehérben jelenik meg</source>
        <translation>No colours; everything appears in black and white</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem használ színeket, minden fekete-fehérben jelenik meg&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;No colours; everything appears in black and white&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Tájolás</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>álló</source>
        <translation>portrait</translation>
    </message>
    <message>
        <source>A lap magassága nagyobb a szélességénél</source>
        <translation>The page is taller than it is wide</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lap magassága nagyobb a szélességénél&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The page is taller than it is wide&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>fekvő</source>
        <translation>landscape</translation>
    </message>
    <message>
        <source>A lap szélessége nagyobb a magasságánál</source>
        <translation>The page is wider than it is tall</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lap szélessége nagyobb a magasságánál&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The page is wider than it is tall&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A megadott beállítások elfogadása</source>
        <translation>Accept the settings</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott beállítások elfogadása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Accept the settings&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>A lap beállítások maradnak az eredeti értékükön</source>
        <translation>The page settings keep their previous values</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lap beállítások maradnak az eredeti értékükön&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The page settings keep their previous values&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Felhasználói</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>servicewritedialog</name>
    <message>
        <source>Szervíz vezérlő funkciók</source>
        <translation>Service functions</translation>
    </message>
    <message>
        <source>Modell azonosítás</source>
        <translation>Model identification</translation>
    </message>
    <message>
        <source>Frissít</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Hang, és fényjelzés</source>
        <translation>Sound and light signal</translation>
    </message>
    <message>
        <source>Vörös LED világítson</source>
        <translation>Light the red LED</translation>
    </message>
    <message>
        <source>Zöld LED világítson</source>
        <translation>Light the green LED</translation>
    </message>
    <message>
        <source>Frekvencia (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>Hang teszt</source>
        <translation>Sound test</translation>
    </message>
    <message>
        <source>125 KHz RFID adó</source>
        <translation>125 kHz RFID transmitter</translation>
    </message>
    <message>
        <source>Be</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Ki</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Killép</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>vglClkSetDlg</name>
    <message>
        <source>Óra beállítás</source>
        <translation>Clock setting</translation>
    </message>
    <message>
        <source>Azonosító név</source>
        <translation>Logger name</translation>
    </message>
    <message>
        <source>Gyári szám</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Legutóbbi kiolvasás</source>
        <translation>Last read-out</translation>
    </message>
    <message>
        <source>Elem állapot</source>
        <translation>Battery state</translation>
    </message>
    <message>
        <source>Burkolat állapot</source>
        <translation>Case state</translation>
    </message>
    <message>
        <source>Nedvesség érzékelés</source>
        <translation>Moisture detection</translation>
    </message>
    <message>
        <source>Óra állás</source>
        <translation>Clock reading</translation>
    </message>
    <message>
        <source>Beállítandó idő megadása:</source>
        <translation>Enter the time to set:</translation>
    </message>
    <message>
        <source>Ez a dátum kerül beállításra az &quot;Adott idő&quot; gombbal</source>
        <translation>This date is set by the &quot;Given time&quot; button</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ez a dátum kerül beállításra az &amp;quot;Adott idő&amp;quot; gombbal&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;This date is set by the &amp;quot;Given time&amp;quot; button&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>H:mm:ss</source>
        <translation>H:mm:ss</translation>
    </message>
    <message>
        <source>Ez az időpont kerül beállításra az &quot;Adott idő&quot; gombbal</source>
        <translation>This time is set by the &quot;Given time&quot; button</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ez az időpont kerül beállításra az &amp;quot;Adott idő&amp;quot; gombbal&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;This time is set by the &amp;quot;Given time&amp;quot; button&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Kilépés az idő módosítása nélkül.</source>
        <translation>Leave without changing the time.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kilépés az idő módosítása nélkül.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Leave without changing the time.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Adott idő</source>
        <translation>Given time</translation>
    </message>
    <message>
        <source>A fenti mezőkben megadott időre állítja a csatlakoztatott készülék óráját.</source>
        <translation>Sets the clock of the connected logger to the time given above.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A fenti mezőkben megadott időre állítja a csatlakoztatott készülék óráját.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sets the clock of the connected logger to the time given above.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>PC idő</source>
        <translation>PC time</translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék óráját a számítógép órájához igazítja.</source>
        <translation>Sets the clock of the connected logger to the computer&apos;s clock.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A csatlakoztatott készülék óráját a számítógép órájához igazítja.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sets the clock of the connected logger to the computer&apos;s clock.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>vglClkTuneDlg</name>
    <message>
        <source>Óra hangolás</source>
        <translation>Clock tuning</translation>
    </message>
    <message>
        <source>Azonosító</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Gyári szám</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Kiolvasva</source>
        <translation>Read out</translation>
    </message>
    <message>
        <source>Elem állapot</source>
        <translation>Battery state</translation>
    </message>
    <message>
        <source>Burkolat állapot</source>
        <translation>Case state</translation>
    </message>
    <message>
        <source>Nedvesség</source>
        <translation>Moisture</translation>
    </message>
    <message>
        <source>Óra állás</source>
        <translation>Clock reading</translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>A művelet megszakítása</source>
        <translation>Abort the operation</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A művelet megszakítása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Abort the operation&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
</TS>
