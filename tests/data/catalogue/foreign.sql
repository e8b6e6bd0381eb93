-- Another program's database: a well-formed SQLite file without any table
-- of the device catalogue.
create table Inventory (Name text);
insert into Inventory values ('stapler');
