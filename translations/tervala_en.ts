<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>PartnerImport</name>
    <message numerus="yes">
        <source>%1&apos;s favourites: %n name(s) stored.</source>
        <translation>
            <numerusform>%1&apos;s favourites: %n name stored.</numerusform>
            <numerusform>%1&apos;s favourites: %n names stored.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Not in the name database: %n name(s)</source>
        <translation>
            <numerusform>Not in the name database: %n name</numerusform>
            <numerusform>Not in the name database: %n names</numerusform>
        </translation>
    </message>
</context>
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
<context>
    <name>tervala::ShortlistWindow</name>
    <message numerus="yes">
        <source>%n name(s) written to %1.</source>
        <translation>
            <numerusform>%n name written to %1.</numerusform>
            <numerusform>%n names written to %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
