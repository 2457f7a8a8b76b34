<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The window captions in English. The sources are the Georgian captions of
     src/ui/captions.hpp in Unicode; each note names the control. -->
<TS version="2.1" language="en" sourcelanguage="ka">
<context>
    <name>captions</name>
    <message>
        <source>იტერაციის #:</source>
        <extracomment>labIterN</extracomment>
        <translation>Iteration #:</translation>
    </message>
    <message>
        <source>ჭიანჭველები</source>
        <extracomment>labAnts</extracomment>
        <translation>Ants</translation>
    </message>
    <message>
        <source>ფერომონების გათვალისწინება</source>
        <extracomment>labSens</extracomment>
        <translation>Pheromone sensitivity</translation>
    </message>
    <message>
        <source>ფერომონებზე გავლენა</source>
        <extracomment>Label3</extracomment>
        <translation>Pheromone influence</translation>
    </message>
    <message>
        <source>ACO ალგორითმი</source>
        <extracomment>chkACO</extracomment>
        <translation>ACO algorithm</translation>
    </message>
    <message>
        <source>გრაფიკი -&gt;</source>
        <extracomment>chkDrawGraph</extracomment>
        <translation>Graph -&gt;</translation>
    </message>
    <message>
        <source>დაწყება</source>
        <extracomment>cmdRun</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>შეჩერება</source>
        <extracomment>cmdStop</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ფერომონების წაშლა</source>
        <extracomment>cmdClearPhero</extracomment>
        <translation>Clear pheromones</translation>
    </message>
    <message>
        <source>ფერომონების ნახვა</source>
        <extracomment>cmdShowPhero</extracomment>
        <translation>View pheromones</translation>
    </message>
    <message>
        <source>საუკეთესო განლაგების ნახვა</source>
        <extracomment>cmdShowBestLay</extracomment>
        <translation>View best layout</translation>
    </message>
    <message>
        <source>სანიმუშო განლ.</source>
        <extracomment>Label6: heading of the reference column</extracomment>
        <translation>Reference</translation>
    </message>
    <message>
        <source>მიმდინარე.(აბს./ფარდ.)</source>
        <extracomment>Label7: heading of the current layout's columns</extracomment>
        <translation>Current (abs./rel.)</translation>
    </message>
    <message>
        <source>საუკეთესო</source>
        <extracomment>Label1: heading of the best column</extracomment>
        <translation>Best</translation>
    </message>
    <message>
        <source>Y ღერძი</source>
        <extracomment>labGrOff: the graph's offset</extracomment>
        <translation>Y axis</translation>
    </message>
    <message>
        <source>მასშტაბი</source>
        <extracomment>labGrScale</extracomment>
        <translation>Scale</translation>
    </message>
    <message>
        <source>საშუალო</source>
        <extracomment>labAvrgGrade</extracomment>
        <translation>Average</translation>
    </message>
    <message>
        <source>განახლ. ინტ.</source>
        <extracomment>layout window, Label1: refresh interval in layouts</extracomment>
        <translation>Refresh int.</translation>
    </message>
    <message>
        <source>აბს. მაჩვენეელი</source>
        <extracomment>layout window, labAGr: absolute grade</extracomment>
        <translation>Abs. grade</translation>
    </message>
    <message>
        <source>ფარდობითი</source>
        <extracomment>layout window, Label2: relative grade</extracomment>
        <translation>Relative</translation>
    </message>
    <message>
        <source>ასო-ნიშანი</source>
        <extracomment>pheromone window, Label1: the letter list</extracomment>
        <translation>Character</translation>
    </message>
    <message>
        <source>ავტოგანახლება</source>
        <extracomment>pheromone window, chkAutoRefresh</extracomment>
        <translation>Auto refresh</translation>
    </message>
    <message>
        <source>წრეწირის სიდიდე აჩვენებს ფერომენის სიდიდეს შესაბამის კლავიშაზე (არჩეული ასო-ნიშნისათვის). x-ით აღნიშნულია ასო-ნიშნისათვის აკრძალული კლავიშები</source>
        <extracomment>pheromone window, Label2: the legend</extracomment>
        <translation>Circle size: the pheromone on the key for the chosen character. x: a key the character may not take.</translation>
    </message>
    <message>
        <source>რედაქტირება</source>
        <extracomment>frmLay edit panel title</extracomment>
        <translation>Editing</translation>
    </message>
    <message>
        <source>მნიშვნელობა</source>
        <extracomment>frmLay edit panel: the row of figures</extracomment>
        <translation>Value</translation>
    </message>
    <message>
        <source>ცვლილება</source>
        <extracomment>frmLay edit panel: the row of changes against the layout before</extracomment>
        <translation>Change</translation>
    </message>
    <message>
        <source>შეფასება</source>
        <extracomment>frmLay edit panel: the grade column</extracomment>
        <translation>Grade</translation>
    </message>
    <message>
        <source>გაუმჯობესება...</source>
        <extracomment>frmLay edit panel: while an improvement runs</extracomment>
        <translation>Improving...</translation>
    </message>
</context>
</TS>
