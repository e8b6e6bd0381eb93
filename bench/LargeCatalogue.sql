-- Turns the demo catalogue into one with 50 times its models, for the
-- benchmarks of the add-device dialog and of the stream editor's first open.
-- Read by sqlite3 right after data/catalogue/Task_EN.sql, into the same new
-- database:
--
--   sqlite3 -bail Task_EN_x50.db ".read data/catalogue/Task_EN.sql" \
--                                ".read bench/LargeCatalogue.sql"
--
-- Every model of every device table gets 49 copies, named after it with a
-- number ("KC-B21-02" to "KC-B21-50"), carrying its codes, so every list and
-- every filter query of the dialog, and every look-up of the models' video
-- modes, meets 50 times the rows. The parameter
-- trees stay as they are: their codes give each level two digits, so a group
-- cannot take 50 times its values.

BEGIN TRANSACTION;

CREATE TEMP TABLE Copies (n INTEGER);
WITH RECURSIVE copy(n) AS (SELECT 2 UNION ALL SELECT n + 1 FROM copy WHERE n < 50)
INSERT INTO Copies SELECT n FROM copy;

-- SQLite reads the whole source before it inserts into the same table.
INSERT INTO Device1 SELECT DeviceType || printf('-%02d', n), code FROM Device1, Copies ORDER BY n, Device1.rowid;
INSERT INTO Device2 SELECT DeviceType || printf('-%02d', n), code FROM Device2, Copies ORDER BY n, Device2.rowid;
INSERT INTO Device3 SELECT DeviceType || printf('-%02d', n), code FROM Device3, Copies ORDER BY n, Device3.rowid;
INSERT INTO Device5 SELECT DeviceType || printf('-%02d', n), code FROM Device5, Copies ORDER BY n, Device5.rowid;

COMMIT;
