-- Tables of the installed database. Every value is text: answers are "1" (true),
-- "2" (false) or empty; scores are decimal text; the program compares them by value.
CREATE TABLE IDE (
    Code TEXT NOT NULL PRIMARY KEY,
    F1 TEXT, F2 TEXT, F3 TEXT, F4 TEXT, F5 TEXT, F6 TEXT, F7 TEXT, F8 TEXT,
    AAS TEXT, APS TEXT, MACR TEXT
);
CREATE INDEX IDE_F1 ON IDE (F1);
CREATE INDEX IDE_F2 ON IDE (F2);
CREATE INDEX IDE_F3 ON IDE (F3);

CREATE TABLE AnswerAAS (
    Code TEXT NOT NULL PRIMARY KEY,
    "1" TEXT, "2" TEXT, "3" TEXT, "4" TEXT, "5" TEXT, "6" TEXT, "7" TEXT, "8" TEXT, "9" TEXT, "10" TEXT,
    "11" TEXT, "12" TEXT, "13" TEXT
);
CREATE TABLE AnswerAPS (
    Code TEXT NOT NULL PRIMARY KEY,
    "1" TEXT, "2" TEXT, "3" TEXT, "4" TEXT, "5" TEXT, "6" TEXT, "7" TEXT, "8" TEXT, "9" TEXT, "10" TEXT,
    "11" TEXT, "12" TEXT, "13" TEXT, "14" TEXT, "15" TEXT, "16" TEXT, "17" TEXT, "18" TEXT, "19" TEXT, "20" TEXT,
    "21" TEXT, "22" TEXT, "23" TEXT, "24" TEXT, "25" TEXT, "26" TEXT, "27" TEXT, "28" TEXT, "29" TEXT, "30" TEXT,
    "31" TEXT, "32" TEXT, "33" TEXT, "34" TEXT, "35" TEXT, "36" TEXT, "37" TEXT, "38" TEXT, "39" TEXT
);
CREATE TABLE AnswerMACR (
    Code TEXT NOT NULL PRIMARY KEY,
    "1" TEXT, "2" TEXT, "3" TEXT, "4" TEXT, "5" TEXT, "6" TEXT, "7" TEXT, "8" TEXT, "9" TEXT, "10" TEXT,
    "11" TEXT, "12" TEXT, "13" TEXT, "14" TEXT, "15" TEXT, "16" TEXT, "17" TEXT, "18" TEXT, "19" TEXT, "20" TEXT,
    "21" TEXT, "22" TEXT, "23" TEXT, "24" TEXT, "25" TEXT, "26" TEXT, "27" TEXT, "28" TEXT, "29" TEXT, "30" TEXT,
    "31" TEXT, "32" TEXT, "33" TEXT, "34" TEXT, "35" TEXT, "36" TEXT, "37" TEXT, "38" TEXT, "39" TEXT, "40" TEXT,
    "41" TEXT, "42" TEXT, "43" TEXT, "44" TEXT, "45" TEXT, "46" TEXT, "47" TEXT, "48" TEXT, "49" TEXT
);

-- Item statements: Code is the item number as text, column "1" the statement.
CREATE TABLE AAS (Code TEXT NOT NULL PRIMARY KEY, "1" TEXT);
CREATE TABLE APS (Code TEXT NOT NULL PRIMARY KEY, "1" TEXT);
CREATE TABLE MACR (Code TEXT NOT NULL PRIMARY KEY, "1" TEXT);

-- Exactly one row each.
CREATE TABLE Settings (
    F1 TEXT, F2 TEXT, F3 TEXT, F4 TEXT, F5 TEXT, F6 TEXT, F7 TEXT, F8 TEXT, F9 TEXT,
    Code TEXT, T3 TEXT
);
CREATE TABLE Theme (TH TEXT, Name TEXT, Adress TEXT);
