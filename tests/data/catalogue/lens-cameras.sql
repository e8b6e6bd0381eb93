-- Goes with accessories.sql: KC-B21, a camera the lens calculator's shipped
-- catalogue knows, with a stand of that fixture's parameter table.
INSERT INTO Device1 VALUES ('KC-B21', '010201');
