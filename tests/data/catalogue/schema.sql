-- The tables of a catalogue, empty. Every fixture catalogue starts from these.
CREATE TABLE DevParam1 (Name TEXT, code TEXT, Type INTEGER, Unit TEXT, Unit2 TEXT);
CREATE TABLE DevParam2 (Name TEXT, code TEXT, Type INTEGER, Unit TEXT, Unit2 TEXT);
CREATE TABLE DevParam3 (Name TEXT, code TEXT, Type INTEGER, Unit TEXT, Unit2 TEXT);
CREATE TABLE DevParam5 (Name TEXT, code TEXT, Type INTEGER, Unit TEXT, Unit2 TEXT);
CREATE TABLE Device1 (DeviceType TEXT, code TEXT);
CREATE TABLE Device2 (DeviceType TEXT, code TEXT);
CREATE TABLE Device3 (DeviceType TEXT, code TEXT);
CREATE TABLE Device5 (DeviceType TEXT, code TEXT);
CREATE TABLE IndustryParam (Industry TEXT, Scene TEXT, DeviceType TEXT, Count INTEGER,
                            MainType TEXT, SolutionType TEXT);
