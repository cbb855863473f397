<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>PopularityImport</name>
    <message numerus="yes">
        <source>%Ln row(s) of the table %1 have an id that is not an integer</source>
        <translation>
            <numerusform>%Ln row of the table %1 has an id that is not an integer</numerusform>
            <numerusform>%Ln rows of the table %1 have an id that is not an integer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PopularityText</name>
    <message numerus="yes">
        <source>%Ln birth(s)</source>
        <translation>
            <numerusform>%Ln birth</numerusform>
            <numerusform>%Ln births</numerusform>
        </translation>
    </message>
</context>
</TS>
